#!/usr/bin/env bash
# Starts Tavilo on a copy of the demo medium under Xvfb and photographs every
# window: the main window, a picture entry, the image window, the info window,
# the copy window before and during a copy, a message dialog and the folder
# chooser. The pictures go to docs/screenshots/ (the README shows them).
# Usage: screenshots.sh [SCALE [OUTPUT-FOLDER]]: with a scale (1.5, 2) the
# screen shows the program that much larger, as on a HiDPI desktop; the
# pictures then go to OUTPUT-FOLDER (build-shots-SCALE by default).
# Everything the script writes stays below build-shots/; where the system lets
# it, the program sees build-shots/tmp as its /tmp (its copy target starts there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build-demo" -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF
scale=${1:-1}
out=${2:-$root/docs/screenshots}
[ "$scale" = 1 ] || out=${2:-$root/build-shots-$scale}
work="$root/build-shots"
rm -rf "$work"
mkdir -p "$work/tmp/ziel"
cp -r "$root/examples/demo-medium" "$work/tmp/medium"
cp "$root/build-demo/Tavilo" "$work/tmp/medium/Tavilo"
# A big file makes the copy last long enough to be photographed.
truncate -s 3G "$work/tmp/medium/beispiele/grosse-datei.bin"
mkdir -p "$out"
screen=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 1024 * s, 768 * s }')
FLTK_SCALING_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" bash "$root/scripts/screenshots-session.sh" \
  "$work" "$out"
rm -rf "$work"
ls -l "$out"
