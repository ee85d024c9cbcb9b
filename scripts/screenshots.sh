#!/usr/bin/env bash
# Starts Tavilo on a copy of the demo medium under Xvfb and photographs every
# window: the main window, a picture entry, the image window, the info window,
# the copy window before and during a copy, a message dialog and the folder
# chooser. The pictures go to docs/screenshots/ (the README shows them).
# Everything the script writes stays below build-shots/; where the system lets
# it, the program sees build-shots/tmp as its /tmp (its copy target starts there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build-demo" -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF
work="$root/build-shots"
rm -rf "$work"
mkdir -p "$work/tmp/ziel"
cp -r "$root/examples/demo-medium" "$work/tmp/medium"
cp "$root/build-demo/Tavilo" "$work/tmp/medium/Tavilo"
# A big file makes the copy last long enough to be photographed.
truncate -s 3G "$work/tmp/medium/beispiele/grosse-datei.bin"
mkdir -p "$root/docs/screenshots"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/scripts/screenshots-session.sh" \
  "$work" "$root/docs/screenshots"
rm -rf "$work"
ls -l "$root/docs/screenshots"
