#!/usr/bin/env bash
# Configures a build folder with Ninja; on failure shows what CMake said.
# Usage: scripts/configure.sh build-dir [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# A compiler cache, where the machine has one, makes rebuilds in other folders cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if ! cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >"$log" 2>&1; then
  cat "$log" >&2
  echo "configuring $dir failed" >&2
  exit 1
fi
