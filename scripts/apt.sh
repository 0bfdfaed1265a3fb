# Package installation that gets past a half-synced mirror. Sourced by scripts/setup and by its
# test; the caller defines `say` and `die`.
#   apt_update           refreshes the package index, retrying once; an index that still cannot
#                        be fetched is named in one warning and set-up goes on with what it has.
#   apt_install PKG...   installs; when the default resolution fails (an update suite's index for
#                        one architecture missing leaves i386 twins of amd64 libraries at no
#                        matching version), tries once more preferring the release's own suites.
#   apt_install_each WHAT PKG...
#                        installs what it can of packages that set-up can go without; those that
#                        cannot be had are named in one warning that ends with WHAT.
# No install removes a package: a resolution that would (the release's older version of a library
# pulled in by -t, and with it the removal of what depends on the newer one) fails instead.

apt_log_dir=${POCHIRA_APT_LOGS:-${TMPDIR:-/tmp}}

# The index files an `apt-get update` log says it could not fetch, one a line, as
# suite/component/architecture ("bookworm-security/main/binary-i386").
failed_indexes() {
  sed -nE 's|^E: Failed to fetch ([^ ]+).*|\1|p' | sed -E 's|.*/dists/||; s|/[^/]+$||' | sort -u || true
}

# The first error apt wrote to a log, on one line.
first_apt_error() {
  { grep -m1 -E '^E: ' "$1" || true; } | cut -c4-200
}

release_codename() {
  ( . "${POCHIRA_OS_RELEASE:-/etc/os-release}" 2>/dev/null && printf '%s' "${VERSION_CODENAME:-}" )
}

apt_update() {
  local log=$apt_log_dir/pochira-apt-update.log try rc
  for try in 1 2; do
    rc=0
    timeout "${POCHIRA_APT_UPDATE_TIMEOUT:-900}" apt-get update -q >"$log" 2>&1 || rc=$?
    [ "$rc" -eq 0 ] && return 0
    [ "$try" -eq 1 ] && say "apt-get update failed; trying once more" \
      && sleep "${POCHIRA_APT_RETRY_PAUSE:-15}"
  done
  local what
  what=$(failed_indexes <"$log" | paste -sd' ')
  if [ -n "$what" ]; then what="index not fetched: $what"
  elif [ "$rc" -eq 124 ]; then what="timed out"
  else what=$(first_apt_error "$log"); what=${what:-exit code $rc}
  fi
  say "warning: apt-get update failed twice ($what); going on with the indexes there are"
}

apt_get_install() {
  timeout "${POCHIRA_APT_INSTALL_TIMEOUT:-3600}" apt-get install -y -q --no-install-recommends --no-remove "$@"
}

apt_install() {
  local log=$apt_log_dir/pochira-apt-install.log codename
  apt_get_install "$@" >"$log" 2>&1 && return 0
  codename=$(release_codename)
  [ -n "$codename" ] || die "could not install $* ($(first_apt_error "$log"); no release codename in /etc/os-release to retry with; log: $log)"
  say "the default resolution failed ($(first_apt_error "$log")); trying again preferring the $codename suites"
  apt_get_install -t "$codename" "$@" >"$log" 2>&1 && return 0
  die "could not install $* (also not with -t $codename: $(first_apt_error "$log"); log: $log)"
}

apt_install_each() {
  local what=$1 log=$apt_log_dir/pochira-apt-install.log p error= lacking=(); shift
  apt_get_install "$@" >"$log" 2>&1 && return 0
  for p in "$@"; do
    apt_get_install "$p" >"$log" 2>&1 && continue
    lacking+=("$p")
    error=${error:-$(first_apt_error "$log")}
  done
  [ ${#lacking[@]} -eq 0 ] \
    || say "warning: could not install ${lacking[*]} ($error); $what"
}
