#!/usr/bin/env bash
# Start-up of the release menu on the demo medium against a bare FLTK window
# and against the same content drawn by FLTK's own widgets, each
# built the same way (portable, optimised): time from the start until the
# first window is drawn, and peak resident memory, alternating in one run
# under Xvfb; then the bytes the menu reads from the medium while it starts.
# Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-21}
"$root/scripts/setup.sh" libxdamage-dev
build="$root/build-startup"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DTAVILO_PORTABLE=ON \
  -DTAVILO_TESTS=OFF -DTAVILO_BENCH=ON -DTAVILO_TOOLS=OFF
cmake --build "$build" -j "$(nproc)" --target Tavilo bare_window content_window startup_probe
medium="$build/demo-medium"
rm -rf "$medium"
cp -r "$root/examples/demo-medium" "$medium"
strip -o "$medium/Tavilo" "$build/Tavilo"
strip -o "$build/bare_window.stripped" "$build/bench/bare_window"
strip -o "$build/content_window.stripped" "$build/bench/content_window"

# "content" shows what the menu shows on the demo medium with FLTK's own
# widgets and no configuration: the floor of drawing that content at all.
TAVILO_BENCH_MEDIUM="$medium" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  "$build/bench/startup_probe" "$rounds" "Tavilo=$medium/Tavilo" "bare=$build/bare_window.stripped" \
  "content=$build/content_window.stripped"

if command -v strace >/dev/null; then
  echo
  echo "Bytes read from the medium while the menu starts (read calls; the program file is paged in by the kernel):"
  trace="$build/startup.strace"
  # strace writes bytes beyond ASCII as escapes: the traced medium is a copy
  # at a plain path below /tmp, whatever the checkout's path holds.
  traced=$(mktemp -d /tmp/tavilo-startup.XXXXXX)
  trap 'rm -rf "$traced"' EXIT
  cp -r "$medium/." "$traced"
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    strace -f -e trace=openat,read,close -e signal=none -o "$1" "$2" & pid=$!
    sleep 3; pkill -TERM -P $pid; wait $pid 2>/dev/null || true' _ "$trace" "$traced/Tavilo"
  # Each file of the medium is opened (and so read and decoded) at most once
  # while the menu starts; a second opening fails the benchmark.
  echo "     bytes  opened  file"
  awk -v medium="$traced/" '
    /openat\(/ && !/= -1/ { fd = $NF; key = $1 " " fd; delete fds[key]
      if (index($0, medium)) { match($0, /"[^"]*"/); f = substr($0, RSTART + 1, RLENGTH - 2); fds[key] = f; opened[f]++ } }
    / close\(/ { split($0, a, /[()]/); delete fds[$1 " " a[2]] }
    / read\(/ { split($0, a, /[(,]/); key = $1 " " a[2]; if (key in fds) { n = $NF; bytes[fds[key]] += n } }
    END { for (f in opened) { printf "  %8d  %6d  %s\n", bytes[f], opened[f], substr(f, length(medium) + 1)
                              if (opened[f] > 1) twice = 1 }
          exit twice }' "$trace" | sort -k3 || { echo "FAIL: a file of the medium was read more than once" >&2; status=1; }
  printf "  %8d  %6s  Tavilo (the program file, mapped)\n" "$(stat -c %s "$medium/Tavilo")" -
fi
exit "${status:-0}"
