#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavilo need,
# for Linux and for Windows (scripts/setup-windows.sh lists those), when any of
# them is missing. Arguments name further packages that a script needs besides
# (scripts/try-medium.sh: xorriso).
set -euo pipefail
mapfile -t windows < <("$(dirname "$0")/setup-windows.sh" --list)

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  git libjpeg-dev libpng-dev zlib1g-dev
  libx11-dev libxext-dev libxft-dev libxinerama-dev libxcursor-dev
  libxfixes-dev libxrender-dev libfontconfig1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps x11-utils imagemagick fonts-liberation xdg-utils xdotool python3
  "${windows[@]}"
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
