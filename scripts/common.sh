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
# 64-bit Windows program, which runs under 64-bit Wine.
wine32_works() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
if wine32_works; then
  wine_cmd=/usr/lib/wine/wine
  wine_build=$build/win32
  wine_arch=i686
else
  wine_cmd=/usr/lib/wine/wine64
  wine_build=$build/win64
  wine_arch=x86_64
fi
export WINELOADER=$wine_cmd
