#!/usr/bin/env bash
# Sets everything up, builds Tavilo and runs every test: the normal build with
# warnings as errors, a build with address and undefined-behaviour sanitizers,
# and the configuration and picture fuzzers. Exits non-zero on any failure.
# --quick: only the normal build and its ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quick=0
[[ ${1:-} == --quick ]] && quick=1
"$root/scripts/setup.sh"

run_ctest() {
  local dir=$1
  mkdir -p "$dir/test-tmp"
  (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" \
      ctest --output-on-failure --timeout 300 -j 2)
}

echo "== build with warnings as errors"
"$root/scripts/build.sh" "$root/build" -DTAVILO_WERROR=ON
run_ctest "$root/build"
if ((quick)); then
  echo "Quick tests passed."
  exit 0
fi

echo "== build with sanitizers"
"$root/scripts/build.sh" "$root/build-asan" -DTAVILO_WERROR=ON -DTAVILO_SANITIZE=ON \
  -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_ctest "$root/build-asan"

echo "== fuzzing"
"$root/scripts/fuzz.sh" "${TAVILO_FUZZ_SECONDS:-30}"

echo "All tests passed."
