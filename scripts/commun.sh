# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by start.sh and check.sh: installs the missing Debian packages and
# configures a build folder. Sourced, not run.

PAQUETS=(cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  xvfb xauth x11-utils xdotool imagemagick
  dpkg-dev desktop-file-utils appstream python3 poppler-utils lintian help2man unicode-data)

installer_paquets() {
  local manquants=()
  for p in "${PAQUETS[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  echo "Installation des paquets manquants : ${manquants[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 \
    install -y -qq --no-install-recommends "${manquants[@]}"
}

# configurer DOSSIER [options cmake...]: configures once, then only rebuilds.
configurer() {
  local dossier=$1
  shift
  if [ ! -f "$dossier/CMakeCache.txt" ]; then
    cmake -S . -B "$dossier" -G Ninja "$@"
  fi
}
