#!/usr/bin/env bash
# Tavilo.exe under Wine as a person meets it on Windows: started from the demo
# medium in CD drive D:, its window found by its title, a click on a group
# and on an entry change what the window shows, the close box ends it, and
# tavilo-check.exe reads the medium from D: by the rules of Windows.
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
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -f "$TAVILO_WINE_CD"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local limit=$1; shift
  for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Pixels of a rectangle of the screen (x y w h), as text to compare.
pixels() { import -window root -crop "$3x$4+$1+$2" rgb:- 2>/dev/null | md5sum; }

mkdir -p "$cd"
cp -r "$source_medium"/. "$cd"/
ln -sfn "$cd" "$TAVILO_WINE_CD"
cp "$tavilo" "$cd/Tavilo.exe"
cp "$check" "$cd/tavilo-check.exe"

wine 'D:\Tavilo.exe' &
pid=$!
window=
found() { window=$(xdotool search --onlyvisible --name '^Tavilo' 2>/dev/null | head -n 1) && [[ -n $window ]]; }
wait_for 60 found || fail "no window named Tavilo within 60 s"
# The demo medium's window is 720 x 540 without any frame: once the program
# has taken the frame off, the system's window is exactly that size.
# (xwininfo: xdotool counts the offset of Wine's desktop window twice)
geometry() {
  local info
  info=$(xwininfo -id "$window" 2>/dev/null) || return 1
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
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
