#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# and any named on the command line, when they are missing. Runs apt as
# root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core
  libgtest-dev
  xvfb xdotool xclip x11-utils python3 openbox wmctrl
  qt6-wayland weston x11-apps
  clang libclang-rt-14-dev clang-format
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
