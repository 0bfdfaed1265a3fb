#!/usr/bin/env bash
# The package steps of scripts/setup against a stand-in apt-get that fails the way a half-synced
# mirror makes the real one fail: the update cannot fetch one suite's i386 index, and the install
# then finds no i386 twins for the amd64 libraries of that suite unless the release's own suites
# are preferred. Prints "N passed, N failed".
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
# The stand-in: records each call in calls.txt; FAKE_UPDATE and FAKE_INSTALL say how it behaves.
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
    case "$FAKE_INSTALL" in
      ok) exit 0 ;;
      release) [[ " $* " == *" -t trixie "* ]] && exit 0 ;;
    esac
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100 ;;
esac
FAKE
chmod +x "$work/bin/apt-get"
printf 'ID=debian\nVERSION_CODENAME=trixie\n' >"$work/os-release"

passed=0 failed=0
expect() {  # expect NAME CONDITION
  if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
# Runs the package steps as setup does, in a shell of its own (die exits it); output in out.txt,
# exit code in $rc.
run_steps() {
  rm -f "$work/calls.txt"
  FAKE_UPDATE=$1 FAKE_INSTALL=$2 FAKE_DIR=$work PATH="$work/bin:$PATH" POCHIRA_OS_RELEASE=$work/os-release \
    POCHIRA_APT_LOGS=$work POCHIRA_APT_RETRY_PAUSE=0 bash -c '
      set -euo pipefail
      say() { printf "setup: %s\n" "$*"; }
      die() { printf "setup: %s\n" "$*" >&2; exit 1; }
      . "$1/scripts/apt.sh"
      apt_update
      apt_install wine wine32:i386 xvfb
      say "installed"' _ "$top" >"$work/out.txt" 2>&1
  rc=$?
  calls=$(cat "$work/calls.txt" 2>/dev/null)
  out=$(cat "$work/out.txt")
}

# A healthy mirror: one update, one install, not a word of warning.
run_steps ok ok
expect "a healthy mirror installs at once" '[ $rc -eq 0 ] && [ "$calls" = "update -q
install -y -q --no-install-recommends wine wine32:i386 xvfb" ] && [ "$out" = "setup: installed" ]'

# The half-synced mirror: the update is tried twice, its missing index named once, and the install
# goes through preferring the release named in os-release.
run_steps fail release
expect "the half-synced mirror still installs" '[ $rc -eq 0 ] && [[ "$out" == *"setup: installed" ]]'
expect "the update is retried once, then set-up goes on" '[ "$(grep -c "^update" <<<"$calls")" -eq 2 ]'
expect "the warning names the index that could not be fetched" \
  'grep -qx "setup: warning: apt-get update failed twice (index not fetched: trixie-security/main/binary-i386); going on with the indexes there are" <<<"$out"'
expect "the second install prefers the release read from os-release" \
  '[ "$(tail -1 <<<"$calls")" = "install -y -q --no-install-recommends -t trixie wine wine32:i386 xvfb" ] &&
   grep -q "trying again preferring the trixie suites" <<<"$out"'

# Neither resolution works: set-up ends with one line naming the packages.
run_steps fail never
expect "a failed fallback ends set-up naming the packages" \
  '[ $rc -ne 0 ] && [[ "$(tail -1 <<<"$out")" == "setup: could not install wine wine32:i386 xvfb (also not with -t trixie: Unable to correct problems, you have held broken packages.; log: "* ]] &&
   ! grep -q "setup: installed" <<<"$out"'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
