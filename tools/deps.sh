#!/usr/bin/env bash
# Installs the Debian packages Quillmark needs to build, run and test, when any is missing,
# and any further packages named on its command line (what packaging or the Windows build
# needs besides).
set -euo pipefail
packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 libgl-dev
  fonts-liberation fonts-wine xdg-utils
  libxcb1-dev xvfb xauth xdotool
  pandoc help2man desktop-file-utils appstream
  poppler-utils
  dbus-daemon at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
