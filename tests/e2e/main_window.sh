#!/usr/bin/env bash
# The real program as the desktop sees it and as people click it: every
# window's class is "Tavilo" with the program icon, Escape does not end it,
# keys beside the open pop-up menu and on its edge are harmless, a triple click on an entry starts it once and two clicks 600 ms apart start
# nothing; the close box ends it cleanly (a sanitizer build checks its memory
# at that exit); it writes nothing into its home.
# Usage: main_window.sh <Tavilo binary> <x_windows helper>; needs $DISPLAY.
set -euo pipefail
binary=$(realpath "$1")
xwin=$(realpath "$2")
[ -x "$binary" ] && [ -x "$xwin" ] || { echo "usage: $0 <Tavilo> <x_windows>" >&2; exit 2; }
work=$(mktemp -d "${TAVILO_TEST_TMP:-/tmp}/e2e-main.XXXXXX")
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "windows on the display:" >&2
  "$xwin" list >&2 || true
  exit 1
}
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local limit=$1; shift
  for _ in $(seq $((limit * 20))); do "$@" && return 0; sleep 0.05; done
  return 1
}
# The id of the viewable window named $1; fails when there is none.
window_named() {
  "$xwin" list | awk -v n="$1" -F'|' '$2 == n && !found { split($1, f, " "); print f[1]; found = 1 } END { exit !found }'
}
class_of() { xprop -id "$1" WM_CLASS | sed 's/.*= //'; }
# An override-redirect window is shown: the pop-up menu (the program shows no
# hint bubble where this script puts the mouse).
menu_open() { "$xwin" list | awk '$2 == 1 { found = 1 } END { exit !found }'; }
menu_closed() { ! menu_open; }
marker_started() { compgen -G "$medium/runs/marker.*" >/dev/null; }
has_icon() { ! xprop -id "$1" _NET_WM_ICON | grep -q "not found"; }

medium=$work/medium
mkdir -p "$medium/runs"
cp "$binary" "$medium/Tavilo"
# The runs folder in sh's single quotes, whatever the path holds.
runs_quoted="'$(sed "s/'/'\\\\''/g" <<<"$medium/runs")'"
for s in start slow marker; do
  printf '#!/bin/sh\nmktemp %s/%s.XXXXXX >/dev/null\n' "$runs_quoted" "$s" > "$medium/$s.sh"
  chmod +x "$medium/$s.sh"
done
printf '%s\r\n' '[Programm]' 'Version=4.02' 'Breite=600' 'Hoehe=400' 'Breite_Links=50' 'ImageHoehe=40' \
  'BemerkungsHoehe=40' '[Gruppen]' 'Anzahl=1' 'Gruppe_1=Eins' '[Gruppe_1]' 'Anzahl=3' 'Programm_1=Start' \
  'Programm_2=Langsam' 'Programm_3=Marke' '[Programm_1_1]' 'Typ=Programm' 'Location=start.sh' \
  '[Programm_1_2]' 'Typ=Programm' 'Location=slow.sh' '[Programm_1_3]' 'Typ=Programm' 'Location=marker.sh' \
  '[Hiermit_Ausfuehren]' 'Anzahl=0' > "$medium/Tavilo.ini"

# The program gets a home of its own, where nothing may appear: a start menu
# writes only where the person copies or deletes (FLTK's preferences neither).
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
# A freshly started, loaded Xvfb may refuse its first client for a moment.
wait_for 30 "$xwin" list >/dev/null 2>&1 || fail "the display cannot be opened"
"$medium/Tavilo" & pid=$!
wait_for 30 window_named "Tavilo 4.02" >/dev/null || fail "no main window"
win=$(window_named "Tavilo 4.02")
[ "$(class_of "$win")" = '"Tavilo", "Tavilo"' ] || fail "main window class $(class_of "$win")"
has_icon "$win" || fail "the main window carries no icon"

# The entry list starts at (316, 106) of the window; its rows are 13 high.
row() { echo $((106 + 2 + $1 * 13 + 6)); }
xdotool mousemove --window "$win" 340 "$(row 0)"
xdotool key Escape
# The pop-up menu's keys, with the mouse on an item, on the menu's left edge
# (where no item is chosen), away from the menu after it had chosen one, and
# away without ever touching an item:
# once they made FLTK's menu read outside its state.
# Each step waits for the menu, so that a slow machine cannot send the keys
# before it is open or click into it after.
menu_keys=(key Up key Down key Tab key shift+Tab key BackSpace key Down key shift+Tab)
for place in item edge away untouched; do
  xdotool mousemove --window "$win" 340 "$(row 0)"
  xdotool click 3
  wait_for 30 menu_open || fail "the pop-up menu did not open ($place)"
  read -r mx my < <("$xwin" list | awk '$2 == 1 { print $3, $4; exit }')
  [ $place = untouched ] || xdotool mousemove $((mx + 20)) $((my + 8)) sleep 0.2
  case $place in
    edge) xdotool mousemove --window "$win" 5 5 sleep 0.2 mousemove "$mx" $((my + 8)) sleep 0.2 ;;
    away | untouched) xdotool mousemove --window "$win" 5 5 sleep 0.2 ;;
  esac
  xdotool "${menu_keys[@]}" key Escape
  wait_for 30 menu_closed || fail "Escape did not close the pop-up menu ($place)"
  kill -0 $pid 2>/dev/null || fail "keys on the pop-up menu ($place) ended the program"
done
xdotool mousemove --window "$win" 340 "$(row 0)"
xdotool click --repeat 3 --delay 120 1
xdotool mousemove --window "$win" 340 "$(row 1)"
xdotool click 1
sleep 0.6  # the time between the two clicks is what is tested
xdotool click 1
# The marker's double click shows that the program still reacts; a loaded
# machine may stretch one pair beyond the double-click time, so it may repeat.
xdotool mousemove --window "$win" 340 "$(row 2)"
for _ in 1 2 3; do
  xdotool click --repeat 2 --delay 80 1
  wait_for 10 marker_started && break
done
marker_started || fail "the program no longer reacts (after Escape?)"
kill -0 $pid 2>/dev/null || fail "the program ended"
# No process runs start.sh or slow.sh of this medium (its path taken literally).
entries_ended() {
  local p line
  for p in $(pgrep -f '/(start|slow)\.sh'); do
    line=$(tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null) || continue
    [[ $line == *"$medium/start.sh"* || $line == *"$medium/slow.sh"* ]] && return 1
  done
  return 0
}
wait_for 10 entries_ended || true
starts=$(compgen -G "$medium/runs/start.*" | wc -l)
slow=$(compgen -G "$medium/runs/slow.*" | wc -l || true)
[ "$starts" -eq 1 ] || fail "a triple click started the entry $starts times"
[ "$slow" -eq 0 ] || fail "two clicks 600 ms apart started the entry"

"$xwin" close "$win"
wait_for 30 bash -c "! kill -0 $pid 2>/dev/null" || fail "the close box did not end the program"
wait $pid || fail "the program ended with $?"
pid=

# A start error shows the error box: a window of the program's class too.
printf '%s\r\n' '[Programm]' 'Version=4.02' 'FensterFarbe=blau' > "$medium/Tavilo.ini"
"$medium/Tavilo" & pid=$!
wait_for 30 window_named "Tavilo" >/dev/null || fail "no error box"
box=$(window_named "Tavilo")
[ "$(class_of "$box")" = '"Tavilo", "Tavilo"' ] || fail "error box class $(class_of "$box")"
has_icon "$box" || fail "the error box carries no icon"
"$xwin" close "$box"
wait_for 30 window_named "Tavilo 4.02" >/dev/null || fail "no main window after the error box"
"$xwin" close "$(window_named "Tavilo 4.02")"
wait_for 30 bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end"
wait $pid || fail "the program ended with $?"
pid=
written=$(find "$work/home" -mindepth 1 -print)
[ -z "$written" ] || fail "the program wrote into its home: $written"
echo "class, icon, Escape and clicks as the desktop's"
