#!/usr/bin/env bash
# The part of scripts/screenshots.sh that runs on the virtual display.
# Usage: screenshots-session.sh WORK-FOLDER OUTPUT-FOLDER
set -euo pipefail
work=$1
out=$2
# Where the program sees the work folder's tmp: where the system lets it, the
# program runs in a mount namespace of its own with that folder as its /tmp,
# so its copy target (which starts at /tmp) stays in the work folder and the
# pictures show the same paths wherever the checkout lies. Only the program
# runs there: a checkout below /tmp would be hidden in it.
seen=$work/tmp
start=("$seen/medium/Tavilo")
mkdir -p "$work/tmp/.home"
if unshare -rm true 2>/dev/null; then
  # Where X looks for it in the program's home.
  cp "$XAUTHORITY" "$work/tmp/.home/.Xauthority"
  seen=/tmp
  start=(env -u XAUTHORITY unshare -rm --propagation private
    sh -c 'mount --bind "$1" /tmp && exec /tmp/medium/Tavilo' _ "$work/tmp")
fi
cd "$work/tmp/medium"
HOME="$seen/.home" "${start[@]}" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# The program's units on the screen: FLTK_SCALING_FACTOR pixels each.
scale=${FLTK_SCALING_FACTOR:-1}
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
# Clicks at x, y (the program's units) inside the window (its client area).
click() { xdotool mousemove --window "$1" "$(px "$2")" "$(px "$3")" click "${4:-1}"; }
shot() {
  sleep "${3:-0.6}"
  import -window "$1" "$out/$2.png"
  echo "$2.png"
}
gone() { for _ in $(seq 100); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done; }

main=$(window '^Tavilo 4.02$')
shot "$main" main-window 1.5

# Group 2, entry 2: a photo that is its own screenshot.
click "$main" 60 127
click "$main" 330 127
shot "$main" picture-entry

click "$main" 148 391
image=$(window '^Image: ')
shot "$image" image-window
click "$image" 200 150
gone '^Image: '

click "$main" 46 31
info=$(window '^Info .*Tavilo$')
shot "$info" info-window
click "$info" 158 229
gone '^Info .*Tavilo$'

# Entry 4 of group 2 copies the examples folder.
click "$main" 60 127
click "$main" 330 153
click "$main" 421 499
copy=$(window '^Datei\(en\) kopieren$')
shot "$copy" copy-window

# "Anzahl Dateien" from the source tree's menu.
click "$copy" 80 100 3
sleep 0.3
xdotool mousemove_relative "$(px 15)" "$(px 10)" click 1
box=$(window '^Information$')
shot "$box" message-dialog
xdotool mousemove --window "$box" "$(px 20)" "$(px 20)" key Return
gone '^Information$'

# The target: a folder of this script's, made through the folder chooser.
click "$copy" 191 262
chooser=$(window '^Neuen Ordner ausw.*hlen oder erstellen$')
xdotool mousemove --window "$chooser" "$(px 200)" "$(px 16)" click 1 key End
for _ in $(seq 60); do xdotool key BackSpace; done
xdotool type "$seen/ziel/Beispiele"
shot "$chooser" folder-chooser
click "$chooser" 395 16
sleep 0.5
xdotool mousemove --window "$chooser" "$(px 200)" "$(px 16)" key Return
gone '^Neuen Ordner ausw.*hlen oder erstellen$'

click "$copy" 129 377
shot "$copy" copy-window-copying 1
click "$copy" 272 376
gone '^Datei\(en\) kopieren$'
