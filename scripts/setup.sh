#!/usr/bin/env bash
# Installs the Debian packages TAVU needs to build, test and run, when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  strace util-linux
  dpkg-dev desktop-file-utils
  fonts-ipafont-gothic
  xvfb xauth imagemagick poppler-utils
  openbox xdotool x11-utils qt6-translations-l10n
  dbus at-spi2-core python3-pyatspi
  cups-daemon cups-client printer-driver-cups-pdf libcups2-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
