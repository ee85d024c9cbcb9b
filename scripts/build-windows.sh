#!/usr/bin/env bash
# Configures and builds Tavilo for 64-bit Windows with mingw-w64 into a build
# folder (build-win/ by default). The first build on a machine also builds
# FLTK for Windows once into the FLTK cache (cmake/Fltk.cmake).
# Usage: scripts/build-windows.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-win}
shift || true
"$root/scripts/setup-windows.sh"
"$root/scripts/configure.sh" "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF "$@"
cmake --build "$dir" -j "$(nproc)"
