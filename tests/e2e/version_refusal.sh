#!/usr/bin/env bash
# The real program on a medium whose Tavilo.ini is too old: the refusal dialog
# comes up, Enter answers it, the program ends by itself and writes nothing.
# Usage: version_refusal.sh <Tavilo binary> [screenshot.png]; needs $DISPLAY.
set -euo pipefail
binary=$1
shot=${2:-}
medium=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$medium"' EXIT
cp "$binary" "$medium/Tavilo"
printf '[Programm]\r\nVersion=2.9\r\nCD_Titel=Alt\r\n[Gruppen]\r\nAnzahl=0\r\n' > "$medium/Tavilo.ini"
cp "$medium/Tavilo.ini" "$medium/before.ini"

"$medium/Tavilo" & pid=$!
# The dialog is the only window titled exactly "Tavilo" (the main window is "Tavilo 4.02").
win=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tavilo$' | head -n 1)
sleep 0.3
[ -n "$shot" ] && xwd -root -silent | convert xwd:- "$shot"
xdotool mousemove --window "$win" 20 20
xdotool key Return
for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "the program did not end after the refusal" >&2
  exit 1
fi
wait $pid
cmp "$medium/before.ini" "$medium/Tavilo.ini"
[ "$(ls "$medium")" = "$(printf 'Tavilo\nTavilo.ini\nbefore.ini')" ] || { echo "files were written: $(ls "$medium")" >&2; exit 1; }
echo "refused and ended"
