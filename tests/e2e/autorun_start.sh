#!/usr/bin/env bash
# The template's autorun.sh starts Tavilo from a medium mounted without
# execute bits, with the medium's root as the current folder, and Tavilo
# reads the Tavilo.ini beside itself (here one it refuses, so that its dialog
# shows which file it read). Usage: autorun_start.sh <Tavilo binary> <autorun.sh>;
# needs $DISPLAY.
set -euo pipefail
binary=$1
autorun=$2
medium=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$medium"' EXIT
cp "$binary" "$medium/Tavilo"
chmod 0444 "$medium/Tavilo"
cp "$autorun" "$medium/autorun.sh"
chmod 0444 "$medium/autorun.sh"
printf '[Programm]\r\nVersion=2.9\r\n' > "$medium/Tavilo.ini"

(cd / && exec sh "$medium/autorun.sh") & pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavilo$' | head -n 1)
cwd=$(readlink "/proc/$pid/cwd")
if [ "$cwd" != "$medium" ]; then
  echo "current folder $cwd, expected the medium's root $medium" >&2
  exit 1
fi
xdotool mousemove --window "$win" 20 20
xdotool key Return
for _ in $(seq 200); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "the program did not end after the refusal" >&2
  exit 1
fi
wait $pid || true
pid=
[ "$(ls "$medium")" = "$(printf 'Tavilo\nTavilo.ini\nautorun.sh')" ] || { echo "files were written: $(ls "$medium")" >&2; exit 1; }
echo "started from a medium without execute bits, in its root"
