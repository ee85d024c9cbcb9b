#!/usr/bin/env bash
# Tavilo.exe under Wine copies the shown picture through the system's open
# dialog: a click on the screenshot opens the image window, its pop-up menu's
# "Kopieren nach..." the dialog, and the name typed there (with another
# extension) receives the picture as rechner.jpg's bytes under the picture's
# extension. Everything happens in a folder of the test's own.
# Usage: windows_image_copy.sh Tavilo.exe MEDIUM; needs $DISPLAY and the
# Wine prefix of scripts/test-windows.sh.
set -euo pipefail
tavilo=$(realpath "$1")
source_medium=$(realpath "$2")
work=$(mktemp -d "${TAVILO_TEST_TMP:-/tmp}/e2e-image-copy.XXXXXX")
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/windows_e2e.sh"

mkdir -p "$work/medium" "$work/Ziel"
cp -r "$source_medium"/. "$work/medium"/
cp "$tavilo" "$work/medium/Tavilo.exe"
wine "$work/medium/Tavilo.exe" &
pid=$!
# The demo medium's main window is 720 x 540 once its frame is gone; its
# first entry's screenshot (bilder\rechner.jpg) sits at the left below the groups.
main() { place '^Tavilo' && ((WIDTH == 720 && HEIGHT == 540)); }
wait_for 60 main || fail "no frameless main window named Tavilo within 60 s"
xdotool mousemove $((X + 170)) $((Y + 415)) click 1
wait_for 20 place '^Image: rechner\.jpg$' || fail "a click on the screenshot opened no image window"

# The pop-up menu opens at the pointer; its one item lies just below and right of it.
px=$((X + WIDTH / 2)) py=$((Y + HEIGHT / 2))
before=$(pixels "$px" "$py" 100 20)
xdotool mousemove "$px" "$py" click 3
menu() { [[ $(pixels "$px" "$py" 100 20) != "$before" ]]; }
wait_for 10 menu || fail "a right click on the picture opened no menu"
xdotool mousemove $((px + 50)) $((py + 10)) click 1
wait_for 20 place '^Image kopieren nach\.\.\.$' || fail "\"Kopieren nach...\" opened no dialog"

# The file name box has the focus with the picture's name selected.
target=$(winepath -w "$work/Ziel/bild.png" 2>/dev/null)
xdotool key ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return
copied() { [[ -f $work/Ziel/bild.jpg ]]; }
wait_for 20 copied || fail "confirming $target copied nothing to Ziel/bild.jpg"
cmp -s "$work/Ziel/bild.jpg" "$source_medium/bilder/rechner.jpg" || fail "bild.jpg is not rechner.jpg's bytes"
[[ ! -e $work/Ziel/bild.png ]] || fail "the name was taken without the picture's extension"

# A click on the picture closes its window, the main window's close box the program.
wait_for 10 place '^Image: ' || fail "the image window went away"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
gone() { ! place '^Image: '; }
wait_for 10 gone || fail "a click on the picture did not close its window"
place '^Tavilo' || fail "the main window went away"
xdotool mousemove $((X + WIDTH - 21)) $((Y + 19)) click 1
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "the close box did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=
echo "PASS"
