#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/fuzz_*.cpp, clang++ with libFuzzer, address
# and undefined-behaviour sanitizers) into build-fuzz and runs each of them,
# or only the named one, for SECONDS seconds.
# Usage: scripts/fuzz.sh SECONDS [target]
# The corpus grows in build-fuzz/corpus/<target>; fuzz/seeds/<target> (when
# present) seeds it. A crash leaves its input in build-fuzz/artifacts/<target>
# and makes the script exit non-zero.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS [target]" >&2
  exit 2
fi
seconds=$1
only=${2:-}
build=$root/build-fuzz

targets=()
for src in "$root"/fuzz/fuzz_*.cpp; do
  name=$(basename "$src" .cpp)
  [[ -z $only || $only == "$name" ]] && targets+=("$name")
done
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "no fuzz target ${only:-found}" >&2
  exit 2
fi

"$root/scripts/configure.sh" "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVILO_FUZZ=ON -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

status=0
for name in "${targets[@]}"; do
  corpus=$build/corpus/$name
  artifacts=$build/artifacts/$name
  mkdir -p "$corpus" "$artifacts"
  dirs=("$corpus")
  [[ -d $root/fuzz/seeds/$name ]] && dirs+=("$root/fuzz/seeds/$name")
  echo "== $name: ${seconds}s"
  if ! "$build/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" \
      "${dirs[@]}"; then
    echo "== $name FAILED; inputs in $artifacts" >&2
    status=1
  fi
done
exit $status
