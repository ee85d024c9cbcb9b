# What the end-to-end tests of Tavilo.exe under Wine share; sourced by them.

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
# The place of the X window $1 on the screen: X Y WIDTH HEIGHT.
# (xwininfo: xdotool counts the offset of Wine's desktop window twice)
window_place() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
# The place of the visible window whose name matches $1.
place() {
  local window
  window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n $window ]] || return 1
  window_place "$window"
}
