#!/usr/bin/env bash
# Configures and builds Tavilo into a build folder.
# Usage: scripts/build.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
shift || true
"$root/scripts/configure.sh" "$dir" "$@"
cmake --build "$dir" -j "$(nproc)"
