#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and any named on the command line, when they are missing. Runs apt as
# root, or through sudo; then generates the locale the tests need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core
  libgtest-dev libboost-dev
  xvfb xdotool xclip x11-utils python3 openbox wmctrl
  at-spi2-core python3-pyatspi dbus gsettings-desktop-schemas
  marco mate-settings-daemon-common
  qt6-wayland weston x11-apps
  clang libclang-rt-14-dev clang-format
  locales
  dpkg-dev lintian appstream desktop-file-utils file gzip
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests of number text need a locale whose decimal point is the comma.
if ! locale -a | grep -qx 'de_DE.utf8'; then
  if ! grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi
