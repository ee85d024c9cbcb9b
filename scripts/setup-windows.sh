#!/usr/bin/env bash
# The Debian packages that building Tavilo for Windows and testing it under
# Wine need: mingw-w64's GCC with posix threads, 64-bit Wine 8, the fonts
# Wine draws with and the X libraries it loads at run time (anti-aliased
# text, screens, cursors). scripts/setup.sh installs them with the rest.
# Usage: scripts/setup-windows.sh          installs what is missing
#        scripts/setup-windows.sh --list   prints the package names
set -euo pipefail
packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
  fonts-wine fonts-liberation libfreetype6 libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3
  libxinerama1 libxcomposite1 libxxf86vm1 libgnutls30 libdbus-1-3 xdotool
)
if [[ ${1:-} == --list ]]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi
exec "$(dirname "$0")/setup.sh" "${packages[@]}"
