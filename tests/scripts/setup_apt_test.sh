#!/usr/bin/env bash
# The package steps of scripts/setup against stand-ins for apt-get, dpkg-query, dpkg and the Wine
# loader, on any machine:
# - a half-synced mirror, which makes the real apt-get fail: the update cannot fetch one suite's
#   i386 index, and the install then finds no i386 twins for the amd64 libraries of that suite
#   unless the release's own suites are preferred;
# - the package choice: what a machine whose kernel runs 32-bit Wine is given beyond the rest (the
#   i386 twins of the libraries Wine opens at run time, each at its amd64 package's version), and
#   that no install at all may remove a package.
# Prints "N passed, N failed".
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/wine"
# apt-get records each call in calls.txt. FAKE_UPDATE and FAKE_INSTALL say how it behaves; a
# package named in FAKE_LACKING cannot be had at all; what it installs joins installed.txt.
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "$*" >>"$FAKE_DIR/calls.txt"
case "$1" in
  update)
    [ "$FAKE_UPDATE" = ok ] && exit 0
    echo "E: Failed to fetch http://deb.example/debian-security/dists/trixie-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
  install)
    for p in "$@"; do
      for l in ${FAKE_LACKING:-}; do
        [ "${p%%=*}" = "$l" ] && { echo "E: Version '${p#*=}' for '$l' was not found"; exit 100; }
      done
    done
    case "$FAKE_INSTALL" in
      ok) ;;
      release) [[ " $* " == *" -t trixie "* ]] || { echo "E: Unable to correct problems, you have held broken packages."; exit 100; } ;;
      *) echo "E: Unable to correct problems, you have held broken packages."; exit 100 ;;
    esac
    for p in "$@"; do
      [[ "$p" == -* || "$p" == install || "$p" == trixie ]] && continue
      v=${p#*=}; [ "$v" = "$p" ] && v=1.0
      echo "${p%%=*} $v" >>"$FAKE_DIR/installed.txt"
    done ;;
esac
FAKE
# dpkg-query -W -f=FORMAT NAME: from installed.txt, whose lines are "name[:arch] version".
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
format=${2#-f=} name=$3
version=$(awk -v n="$name" '$1 == n || $1 == n ":amd64" { v = $2 } END { if (v != "") print v }' "$FAKE_DIR/installed.txt")
[ -n "$version" ] || exit 1
case "$format" in *Status*) printf 'install ok installed' ;; *) printf '%s' "$version" ;; esac
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/usr/bin/env bash
case "$1" in
  --print-architecture) echo amd64 ;;
  --print-foreign-architectures) [ -f "$FAKE_DIR/i386" ] && echo i386 ;;
  --add-architecture) touch "$FAKE_DIR/i386" ;;
esac
FAKE
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
# The 32-bit Wine loader runs where FAKE_WINE32 is "runs", as on a kernel that executes 32-bit code.
printf '#!/bin/sh\n[ "$FAKE_WINE32" = runs ]\n' >"$work/wine/wine"
chmod +x "$work"/bin/* "$work/wine/wine"
printf 'ID=debian\nVERSION_CODENAME=trixie\n' >"$work/os-release"

passed=0 failed=0
every_call=
expect() {  # expect NAME CONDITION
  if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; echo "  calls: $calls"; echo "  said: $out"; fi
}
environment() {
  env FAKE_DIR="$work" PATH="$work/bin:$PATH" POCHIRA_OS_RELEASE="$work/os-release" POCHIRA_WINE_DIR="$work/wine" \
    POCHIRA_APT_LOGS="$work" POCHIRA_APT_RETRY_PAUSE=0 POCHIRA_BUILD="$work/build" "$@"
}
finish() {
  rc=$?
  calls=$(cat "$work/calls.txt" 2>/dev/null)
  every_call+=$calls$'\n'
  out=$(cat "$work/out.txt")
}
# The mirror's steps alone, as setup takes them: update, then install.
run_apt_steps() {
  rm -f "$work/calls.txt"; : >"$work/installed.txt"
  environment FAKE_UPDATE="$1" FAKE_INSTALL="$2" bash -c '
      set -euo pipefail
      say() { printf "setup: %s\n" "$*"; }
      die() { printf "setup: %s\n" "$*" >&2; exit 1; }
      . "$1/scripts/apt.sh"
      apt_update
      apt_install wine wine32:i386 xvfb
      say "installed"' _ "$top" >"$work/out.txt" 2>&1
  finish
}
# Set-up's whole package choice on a machine that holds installed.txt; FAKE_WINE32 and
# FAKE_LACKING as the machine and mirror are.
run_setup_packages() {
  rm -f "$work/calls.txt" "$work/i386"
  environment FAKE_UPDATE=ok FAKE_INSTALL=ok FAKE_WINE32="$1" FAKE_LACKING="${2:-}" bash -c '
      set -euo pipefail
      say() { printf "setup: %s\n" "$*"; }
      die() { printf "setup: %s\n" "$*" >&2; exit 1; }
      . "$1/scripts/common.sh"; . "$1/scripts/apt.sh"; . "$1/scripts/packages.sh"
      setup_packages
      say "chose $wine_arch"' _ "$top" >"$work/out.txt" 2>&1
  finish
}
installs() { grep '^install' <<<"$calls"; }

# A healthy mirror: one update, one install, not a word of warning.
run_apt_steps ok ok
expect "a healthy mirror installs at once" '[ $rc -eq 0 ] && [ "$calls" = "update -q
install -y -q --no-install-recommends --no-remove wine wine32:i386 xvfb" ] && [ "$out" = "setup: installed" ]'

# The half-synced mirror: the update is tried twice, its missing index named once, and the install
# goes through preferring the release named in os-release.
run_apt_steps fail release
expect "the half-synced mirror still installs" '[ $rc -eq 0 ] && [[ "$out" == *"setup: installed" ]]'
expect "the update is retried once, then set-up goes on" '[ "$(grep -c "^update" <<<"$calls")" -eq 2 ]'
expect "the warning names the index that could not be fetched" \
  'grep -qx "setup: warning: apt-get update failed twice (index not fetched: trixie-security/main/binary-i386); going on with the indexes there are" <<<"$out"'
expect "the second install prefers the release read from os-release, still removing nothing" \
  '[ "$(tail -1 <<<"$calls")" = "install -y -q --no-install-recommends --no-remove -t trixie wine wine32:i386 xvfb" ] &&
   grep -q "trying again preferring the trixie suites" <<<"$out"'

# Neither resolution works: set-up ends with one line naming the packages.
run_apt_steps fail never
expect "a failed fallback ends set-up naming the packages" \
  '[ $rc -ne 0 ] && [[ "$(tail -1 <<<"$out")" == "setup: could not install wine wine32:i386 xvfb (also not with -t trixie: Unable to correct problems, you have held broken packages.; log: "* ]] &&
   ! grep -q "setup: installed" <<<"$out"'

# A fresh machine whose kernel runs 32-bit code: the packages, then the twins of the run-time
# libraries at the versions of the amd64 copies the packages brought (here already there), and the
# twin already installed is not asked for again.
printf '%s\n' "libcups2:amd64 2.4.2-3+deb12u11" "libxrender1:amd64 1:0.9.10-1.1" "libxi6:amd64 2:1.8-1+b1" \
  "libxrandr2:amd64 2:1.5.2-2+b1" "libxrandr2:i386 2:1.5.2-2+b1" >"$work/installed.txt"
run_setup_packages runs
expect "with 32-bit Wine, the CUPS client's i386 twin is asked for at its amd64 version" \
  '[ $rc -eq 0 ] && [ "$(tail -1 <<<"$out")" = "setup: chose i686" ] && [ "$(installs | wc -l)" -eq 2 ] &&
   [[ " $(installs | tail -1) " == *" libcups2:i386=2.4.2-3+deb12u11 libxrender1:i386=1:0.9.10-1.1 "* ]] &&
   [[ "$(installs | tail -1)" == *" libxi6:i386=2:1.8-1+b1 "* ]] && [[ "$(installs | tail -1)" != *libxrandr2* ]]'
expect "a twin whose amd64 library is not there either is asked for with it" \
  '[[ " $(installs | tail -1) " == *" libxcursor1:amd64 libxcursor1:i386 "* ]]'
expect "the i386 architecture was added for wine32" '[ -f "$work/i386" ]'

# The same machine again: everything is there, apt-get is not called.
run_setup_packages runs
expect "a machine that has everything never calls apt-get" '[ $rc -eq 0 ] && [ -z "$calls" ]'

# A machine that cannot run 32-bit code gets the same packages and no twins.
printf '%s\n' "libcups2:amd64 2.4.2-3+deb12u11" >"$work/installed.txt"
run_setup_packages fails
expect "with 64-bit Wine, no i386 twin is asked for" \
  '[ $rc -eq 0 ] && [ "$(tail -1 <<<"$out")" = "setup: chose x86_64" ] && [ "$(installs | wc -l)" -eq 1 ] && [[ "$calls" != *":i386="* ]]'

# A mirror that lacks one twin: the others are installed, the missing one named in one warning,
# and set-up goes on.
printf '%s\n' "libcups2:amd64 2.4.2-3+deb12u11" "libxrender1:amd64 1:0.9.10-1.1" >"$work/installed.txt"
run_setup_packages runs libxrender1:i386
expect "a twin the mirror lacks is named once and set-up goes on with the rest" \
  '[ $rc -eq 0 ] && [ "$(tail -1 <<<"$out")" = "setup: chose i686" ] &&
   [ "$(grep -c "^setup: warning" <<<"$out")" -eq 1 ] &&
   grep -qx "setup: warning: could not install libxrender1:i386=1:0.9.10-1.1 (Version .1:0.9.10-1.1. for .libxrender1:i386. was not found); the 32-bit Wine runs without them" <<<"$out" &&
   grep -q "^libcups2:i386 2.4.2-3+deb12u11$" "$work/installed.txt"'

expect "no call of apt-get install in any of these lacks the no-remove guard" \
  '[ -n "$(grep "^install" <<<"$every_call")" ] && ! grep "^install" <<<"$every_call" | grep -qv -- " --no-remove "'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
