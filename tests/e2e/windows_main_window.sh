#!/usr/bin/env bash
# Tavilo.exe under Wine as a person meets it on Windows: started from the demo
# medium in CD drive D:, its window found by its title, a click on a group
# and on an entry change what the window shows, "Starten / Öffnen" opens the
# entry's picture through the program registered for .jpg (the test's own,
# never a host program) in the entry's folder, "Kopieren" and the copy
# window's "Start kopieren" copy the examples' folder into c:\temp, the close
# box ends it, and tavilo-check.exe reads the medium from D:
# by the rules of Windows.
# scripts/test-windows.sh maps D: as a CD drive onto the path $TAVILO_WINE_CD,
# which this test makes a link to a medium of its own, and keeps the
# wineserver running.
# Usage: windows_main_window.sh Tavilo.exe tavilo-check.exe MEDIUM; needs
# $DISPLAY, $WINEPREFIX and $TAVILO_WINE_CD.
set -euo pipefail
tavilo=$(realpath "$1")
check=$(realpath "$2")
source_medium=$(realpath "$3")
if [[ -z ${TAVILO_WINE_CD:-} || -z ${WINEPREFIX:-} ]]; then
  echo "needs the Wine prefix and CD drive of scripts/test-windows.sh" >&2
  exit 2
fi
work=$(mktemp -d "${TAVILO_TEST_TMP:-/tmp}/e2e-windows.XXXXXX")
cd=$work/medium
pid=
temp=$WINEPREFIX/drive_c/temp
opened=$temp/tavilo-e2e-opened.txt
copied=(liesmich.txt bilder texte)
cleanup() {
  [ -n "$pid" ] && kill $pid 2>/dev/null
  rm -f "$TAVILO_WINE_CD" "$opened"
  for c in "${copied[@]}"; do rm -rf "${temp:?}/$c"; done
  wine reg delete 'HKLM\Software\Classes\.jpg' /f >/dev/null 2>&1
  wine reg delete 'HKLM\Software\Classes\TaviloTest.Bild' /f >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/windows_e2e.sh"

mkdir -p "$cd"
cp -r "$source_medium"/. "$cd"/
ln -sfn "$cd" "$TAVILO_WINE_CD"
cp "$tavilo" "$cd/Tavilo.exe"
cp "$check" "$cd/tavilo-check.exe"

# The test's own program for .jpg: it writes the file it was given and the
# folder it was started in. Wine 8 reads associations from the machine's
# classes only (Windows would take HKCU's first); this prefix is the run's own.
for c in "${copied[@]}" "$(basename "$opened")"; do
  [[ ! -e $temp/$c ]] || fail "c:\\temp already holds $c: a copy could not be told from it"
done
wine reg add 'HKLM\Software\Classes\.jpg' /ve /d TaviloTest.Bild /f >/dev/null
wine reg add 'HKLM\Software\Classes\TaviloTest.Bild\shell\open\command' /ve \
  /d 'C:\windows\system32\cmd.exe /c echo %1> C:\temp\tavilo-e2e-opened.txt& cd>> C:\temp\tavilo-e2e-opened.txt' \
  /f >/dev/null

wine 'D:\Tavilo.exe' &
pid=$!
window=
found() { window=$(xdotool search --onlyvisible --name '^Tavilo' 2>/dev/null | head -n 1) && [[ -n $window ]]; }
wait_for 60 found || fail "no window named Tavilo within 60 s"
# The demo medium's window is 720 x 540 without any frame: once the program
# has taken the frame off, the system's window is exactly that size.
geometry() { window_place "$window"; }
WIDTH=0 HEIGHT=0
frameless() { found && geometry && ((WIDTH == 720 && HEIGHT == 540)); }
wait_for 20 frameless || fail "the main window keeps a frame: it is $WIDTH x $HEIGHT, not 720 x 540"
echo "main window $WIDTH x $HEIGHT at $X,$Y"
# The demo medium's layout: the groups' list on the left below the title, the
# entries' list right of it, the description box below that.
groups_x=$((X + 60)) second_group_y=$((Y + 127))
entries_x=$((X + 400)) second_entry_y=$((Y + 127))
entries=(310 100 380 180)     # x y w h of the entries' list, in the window
description=(310 345 380 120)
area() { local a=("$@"); pixels $((X + a[0])) $((Y + a[1])) "${a[2]}" "${a[3]}"; }

before=$(area "${entries[@]}")
xdotool mousemove "$groups_x" "$second_group_y" click 1
changed() { [[ $(area "${entries[@]}") != "$before" ]]; }
wait_for 10 changed || fail "a click on the second group did not change the entries' list"

before=$(area "${description[@]}")
xdotool mousemove "$entries_x" "$second_entry_y" click 1
changed() { [[ $(area "${description[@]}") != "$before" ]]; }
wait_for 10 changed || fail "a click on the second entry did not change its description"

# The second entry of the second group is a photo: "Starten / Öffnen" hands
# it to the desktop, which starts the program registered for .jpg in the
# entry's folder without waiting for it.
xdotool mousemove $((X + 310)) $((Y + 500)) click 1
written() { [[ -s $opened ]] && (($(wc -l <"$opened") >= 2)); }
wait_for 30 written || fail "\"Starten / Öffnen\" did not open D:\\fotos\\strand.jpg with the program registered for .jpg"
tr -d '\r' <"$opened" | sed 's/ *$//' >"$work/opened"
[[ $(sed -n 1p "$work/opened") == 'D:\fotos\strand.jpg' ]] || fail "the .jpg program was given $(sed -n 1p "$work/opened")"
[[ $(sed -n 2p "$work/opened") == 'D:\fotos' ]] || fail "the .jpg program started in $(sed -n 2p "$work/opened"), not in the entry's folder"

# The fourth entry copies the examples' folder: "Kopieren" opens the copy
# window on it with all sub-folders and c:\temp as its target.
before=$(area "${description[@]}")
xdotool mousemove "$entries_x" $((second_entry_y + 25)) click 1
wait_for 10 changed || fail "a click on the fourth entry did not change its description"
xdotool mousemove $((X + 420)) $((Y + 500)) click 1
copy_window=
copy_shown() { copy_window=$(xdotool search --onlyvisible --name '^Datei\(en\) kopieren' 2>/dev/null | head -n 1) && [[ -n $copy_window ]]; }
wait_for 30 copy_shown || fail "\"Kopieren\" did not open the copy window"
window=$copy_window
wait_for 10 geometry || fail "the copy window has no geometry"
# Its client area (402 x 398) sits in the frame with equal borders left,
# right and below.
border=$(((WIDTH - 402) / 2))
cx=$((X + border)) cy=$((Y + HEIGHT - 398 - border))
xdotool mousemove $((cx + 129)) $((cy + 377)) click 1
same_tree() { diff -r "$cd/beispiele/texte" "$temp/texte" >/dev/null 2>&1 &&
  diff -r "$cd/beispiele/bilder" "$temp/bilder" >/dev/null 2>&1 &&
  cmp -s "$cd/beispiele/liesmich.txt" "$temp/liesmich.txt"; }
wait_for 60 same_tree || fail "\"Start kopieren\" did not copy D:\\beispiele into c:\\temp: $(diff -r "$cd/beispiele" "$temp" 2>&1 | head -n 5)"
# "Schliessen" closes the copy window; the main window is still there.
xdotool mousemove $((cx + 272)) $((cy + 377)) click 1
copy_gone() { ! copy_shown; }
wait_for 20 copy_gone || fail "\"Schliessen\" did not close the copy window"
window=
wait_for 10 found || fail "the main window went with the copy window"
geometry

# The close box at the title's right end.
xdotool mousemove $((X + WIDTH - 21)) $((Y + 19)) click 1
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "the close box did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=

status=0
output=$(wine 'D:\tavilo-check.exe' 'D:\' 2>&1) || status=$?
echo "$output" | tail -n 3
((status != 2)) || fail "tavilo-check.exe could not read the medium in D:"
grep -Eq '^(no|[0-9]+) errors?, (no|[0-9]+) warnings?' <<<"$output" || fail "tavilo-check.exe printed no summary"
# Windows starts the medium's .exe and opens its scripts by their extension.
! grep -Eq 'on Linux|neither executable nor a script|/bin/sh' <<<"$output" ||
  fail "tavilo-check.exe judged the medium by the rules of Linux"
echo "PASS"
