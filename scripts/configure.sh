#!/usr/bin/env bash
# Configures a build folder with Ninja; on failure shows what CMake said.
# Usage: scripts/configure.sh build-dir [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake -S "$root" -B "$dir" -G Ninja "$@" >"$log" 2>&1; then
  cat "$log" >&2
  echo "configuring $dir failed" >&2
  exit 1
fi
