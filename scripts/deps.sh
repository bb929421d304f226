#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build, run and test.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n
  libqt6opengl6-dev libqt6svg6-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  libpulse-dev pulseaudio libfontconfig-dev libzstd-dev
  xvfb xauth xdotool imagemagick x11-utils openbox python3
  qt6-wayland weston
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng dbus-x11
  build-essential dpkg-dev debhelper lintian appstream desktop-file-utils
  xfonts-wqy fonts-arphic-uming fonts-noto-color-emoji fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
