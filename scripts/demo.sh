#!/usr/bin/env bash
# Sets everything up, builds Tavilo and starts it on the demo medium.
# Without a display it runs under Xvfb for a few seconds and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# A build folder of its own, so that the test build keeps its settings.
"$root/scripts/build.sh" "$root/build-demo" -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF

# The program reads the Tavilo.ini beside its own executable: put both on a copy
# of the medium.
medium="$root/build-demo/demo-medium"
rm -rf "$medium"
cp -r "$root/examples/demo-medium" "$medium"
cp "$root/build-demo/Tavilo" "$medium/Tavilo"

if [ -n "${DISPLAY:-}" ]; then
  exec "$medium/Tavilo"
fi

shot="$root/build-demo/demo-screenshot.png"
seconds=${TAVILO_DEMO_SECONDS:-4}
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
  "$1" & pid=$!
  sleep "$2"
  xwd -root -silent | convert xwd:- "$3"
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
' _ "$medium/Tavilo" "$seconds" "$shot"
echo "Screenshot: $shot"
