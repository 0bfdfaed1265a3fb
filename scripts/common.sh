# Shared by the scripts: folders, the Wine prefix, and which Wine loader this machine can run.
# Sourced, not run.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${POCHIRA_BUILD:-$top/build}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=ja_JP.UTF-8

# The shipped program is 32-bit. Some kernels (sandboxes among them) cannot execute 32-bit
# Linux binaries, so 32-bit Wine cannot start there; the same sources are then also built as a
# 64-bit Windows program, which runs under 64-bit Wine. Asked again after set-up installs Wine.
wine_dir=${POCHIRA_WINE_DIR:-/usr/lib/wine}
wine32_works() {
  [ -x "$wine_dir/wine" ] && "$wine_dir/wine" --version >/dev/null 2>&1
}
choose_wine() {
  if wine32_works; then
    wine_cmd=$wine_dir/wine
    wine_build=$build/win32
    wine_arch=i686
  else
    wine_cmd=$wine_dir/wine64
    wine_build=$build/win64
    wine_arch=x86_64
  fi
  export WINELOADER=$wine_cmd
}
choose_wine

fail() { printf '%s: %s\n' "${0##*/}" "$*" >&2; exit 1; }

# Starts a virtual display of 1024 x 768 x 24 and exports DISPLAY; XVFB_PID is its process.
start_xvfb() {
  command -v Xvfb >/dev/null || fail "Xvfb is not installed; run scripts/setup"
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.2
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  fail "could not start a virtual X display (Xvfb)"
}

# Wine needs an X display; say so plainly when there is none.
require_display() {
  [ -n "${DISPLAY:-}" ] || fail "no X display for Wine (DISPLAY is not set)"
  xdpyinfo >/dev/null 2>&1 || fail "the X display $DISPLAY cannot be opened"
}

require_wine() {
  [ -x "$wine_cmd" ] || fail "Wine is not installed ($wine_cmd); run scripts/setup as root"
}

# Configures (once) and builds one of the builds: native, win32 (i686), win64 (x86_64), fuzz
# (clang, libFuzzer) or asan (native, under AddressSanitizer and UndefinedBehaviorSanitizer).
build_tree() {
  local kind=$1; shift
  local dir=$build/$kind args=()
  case "$kind" in
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake") ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake") ;;
    fuzz) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPOCHIRA_FUZZ=ON -DPOCHIRA_WERROR=OFF) ;;
    asan) args=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
                -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined") ;;
  esac
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    timeout 600 cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log" >&2; fail "configuring the $kind build failed"; }
  fi
  timeout 2400 cmake --build "$dir" -j"$(nproc)" "$@" || fail "the $kind build failed (or took over 40 minutes)"
}

# Wine's own services start with the first program and outlive it, keeping whatever output it
# had; started here, once, they hold nothing that a test runner waits on.
start_wine() {
  timeout 30 "${wine_cmd%/*}/wineserver" -p >/dev/null 2>&1 </dev/null
  timeout 120 "$wine_cmd" wineboot >/dev/null 2>&1 </dev/null || fail "Wine did not start (wineboot failed)"
}
