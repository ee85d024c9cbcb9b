#!/usr/bin/env bash
# Sets everything up, builds Tavilo and runs every test: the normal build with
# warnings as errors, a build with address and undefined-behaviour sanitizers
# (its tests and a monkey test of the real program, TAVILO_MONKEY_SECONDS long,
# 60 by default), the configuration and picture fuzzers, the Windows build with
# its tests under Wine, and the release binaries for both systems with their
# dependency checks. Exits non-zero on any failure.
# --quick: only the normal build and its ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quick=0
[[ ${1:-} == --quick ]] && quick=1
"$root/scripts/setup.sh"

# -noreset: Xvfb otherwise resets whenever its last client leaves, and a test
# that connects during the reset is refused ("Can't open display").
run_ctest() {
  local dir=$1
  mkdir -p "$dir/test-tmp"
  (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
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
# Leaks are reported, except the font and X libraries' own caches (the file says why).
# The path is quoted, since the sanitizers split their options at blanks.
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=\"$root/tests/lsan.supp\"" \
  UBSAN_OPTIONS=print_stacktrace=1
run_ctest "$root/build-asan"

echo "== monkey test of the sanitizer build"
# Random media and random clicks and keys in every window of the real program,
# under its own Xvfb and, as root, in a sandbox of its own (tests/e2e/monkey);
# any sanitizer report, crash or hang fails it and keeps the medium under
# build-asan/monkey.
rm -rf "$root/build-asan/monkey"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" python3 "$root/tests/e2e/monkey" \
  --tavilo "$root/build-asan/Tavilo" --xwin "$root/build-asan/tests/tavilo_x_windows" \
  --suppressions "$root/tests/lsan.supp" --pictures "$root/examples/demo-medium/bilder" \
  --out "$root/build-asan/monkey" --seconds "${TAVILO_MONKEY_SECONDS:-60}"
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== fuzzing"
"$root/scripts/fuzz.sh" "${TAVILO_FUZZ_SECONDS:-30}"

echo "== Windows build and its tests under Wine"
"$root/scripts/test-windows.sh"

echo "== release binaries"
"$root/scripts/release.sh"

echo "All tests passed."
