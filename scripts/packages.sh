# What set-up installs, and only what is missing. Sourced by scripts/setup and by its test, after
# common.sh and apt.sh; the caller defines `say` and `die`.
#   setup_packages   installs the missing packages; then, when this machine runs 32-bit Wine,
#                    the i386 twins of the libraries that Wine opens at run time.

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick
          fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine locales
          cups printer-driver-cups-pdf poppler-utils unzip file chromium)

# Libraries that Wine opens by name at run time instead of linking them: Debian's wine32 only
# recommends them, so an install without recommends leaves them out. 64-bit Wine finds the amd64
# copies that other packages bring; 32-bit Wine needs their i386 twins to do the same:
#   libcups2      the printers (without it the print dialog says none is installed)
#   libxrender1   text and pictures drawn as 64-bit Wine draws them
#   libxrandr2 libxinerama1   the screen's size
#   libxi6        the mouse;  libxcursor1  the pointer's shapes;  libxfixes3  the clipboard's changes
wine32_runtime_libraries=(libcups2 libxrender1 libxrandr2 libxinerama1 libxi6 libxcursor1 libxfixes3)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# The twins that are missing, one a line. An i386 twin must be of its amd64 package's very version
# (the two share files); a twin whose amd64 package is not there either is asked for with it.
wine32_twins() {
  local lib native version
  native=$(dpkg --print-architecture)
  for lib in "${wine32_runtime_libraries[@]}"; do
    installed "$lib:i386" && continue
    if installed "$lib:$native"; then
      version=$(dpkg-query -W -f='${Version}' "$lib:$native")
      printf '%s\n' "$lib:i386=$version"
    else
      printf '%s\n' "$lib:$native" "$lib:i386"
    fi
  done
}

need_root() {
  [ "$(id -u)" -eq 0 ] || die "$1; run this script as root to install them"
}

setup_packages() {
  local missing=() p updated=
  for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
  if [ ${#missing[@]} -gt 0 ]; then
    need_root "missing packages (${missing[*]})"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      say "adding the i386 architecture for wine32"
      dpkg --add-architecture i386
    fi
    say "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt_update
    updated=1
    apt_install "${missing[@]}"
  fi

  # Which Wine runs is known only now that it is installed.
  choose_wine
  [ "$wine_arch" = i686 ] || return 0
  local twins=()
  mapfile -t twins < <(wine32_twins)
  [ ${#twins[@]} -gt 0 ] || return 0
  need_root "32-bit Wine's run-time libraries are missing (${twins[*]})"
  say "installing 32-bit Wine's run-time libraries: ${twins[*]}"
  export DEBIAN_FRONTEND=noninteractive
  [ -n "$updated" ] || apt_update
  apt_install_each "the 32-bit Wine runs without them" "${twins[@]}"
}
