#!/usr/bin/env bash
# A dry run of a medium before it is burnt: checks it with tavilo-check, makes
# the ISO image that the README describes (Rock Ridge and Joliet), and starts
# its autorun.sh from a read-only copy and from a copy without execute bits (the
# mounted image where the system allows mounting, an extracted read-only folder
# otherwise), under the person's display or Xvfb, with a screenshot of each.
# Where mounting works it also starts autorun.sh from a noexec mount, which must
# explain itself instead of starting.
# Usage: scripts/try-medium.sh FOLDER [OUTPUT-FOLDER]   (default build-try/<name>)
# Exits non-zero when the checker finds errors or a start fails.
set -euo pipefail

# Starts autorun.sh of a copy (by sh, as a desktop does for a file without
# execute bits), photographs the main window and ends the program.
session() {
  local out=$1 work=$2 noexec=$3 failed=0
  for d in readonly no-exec-bits; do
    (cd / && exec sh "$work/$d/autorun.sh") >"$out/$d.log" 2>&1 & local pid=$!
    local win
    win=$(timeout 20 xdotool search --sync --onlyvisible --classname Tavilo 2>/dev/null | head -n 1) || true
    if [ -z "$win" ]; then
      echo "$d: no window appeared; autorun.sh said:" >&2
      cat "$out/$d.log" >&2
      failed=1
    else
      sleep 1  # the first paint
      import -window "$win" "$out/$d.png"
      echo "$d: started as $(readlink "/proc/$pid/exe"), screenshot $out/$d.png"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [ "$noexec" = 1 ]; then
    set +e
    (cd / && exec sh "$work/noexec/autorun.sh") >"$out/noexec.log" 2>&1
    local rc=$?
    set -e
    echo "noexec mount: autorun.sh ended with $rc and said:"
    sed 's/^/  /' "$out/noexec.log"
  fi
  return $failed
}
if [ "${1:-}" = --session ]; then
  shift
  session "$@"
  exit
fi

root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: scripts/try-medium.sh FOLDER [OUTPUT-FOLDER]" >&2; exit 2; }
medium=$(cd "$1" && pwd)
name=$(basename "$medium")
out=${2:-$root/build-try/$name}
status=0

for f in Tavilo.ini Tavilo autorun.sh; do
  if [ ! -f "$medium/$f" ]; then
    echo "$medium has no $f: copy examples/medium-template/ and put dist/Tavilo (scripts/release.sh) beside its Tavilo.ini" >&2
    exit 2
  fi
done
"$root/scripts/setup.sh" xorriso

checker=
for c in "$root/dist/tavilo-check" "$root/build/tavilo-check" "$root/build-demo/tavilo-check"; do
  [ -x "$c" ] && { checker=$c; break; }
done
if [ -z "$checker" ]; then
  "$root/scripts/build.sh" "$root/build-demo" -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF >/dev/null
  checker=$root/build-demo/tavilo-check
fi

mkdir -p "$out"
echo "== tavilo-check $medium"
set +e
"$checker" "$medium" | tee "$out/check.txt"
check=${PIPESTATUS[0]}
set -e
[ "$check" -eq 2 ] && exit 2
[ "$check" -eq 0 ] || status=1

echo "== ISO image"
iso=$out/medium.iso
label=$(printf '%s' "$name" | tr -c 'A-Za-z0-9_\n' '_' | tr a-z A-Z | cut -c1-32)
rm -f "$iso"
xorriso -as mkisofs -R -J -V "$label" -o "$iso" "$medium" 2>"$out/xorriso.log" || { cat "$out/xorriso.log" >&2; exit 1; }
echo "$iso ($(du -h "$iso" | cut -f1))"

# The two copies: mounted where the system allows it, else extracted.
work=$out/work
mounted=()
cleanup() {
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || true; done
  [ -d "$work" ] && chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cleanup
mkdir -p "$work/readonly" "$work/no-exec-bits" "$work/noexec"
try_mount() {  # options, target
  [ "$(id -u)" -eq 0 ] || return 1
  mount -t iso9660 -o "loop,ro,$1" "$iso" "$2" 2>/dev/null || return 1
  mounted+=("$2")
}
if try_mount "" "$work/readonly" && try_mount "norock,mode=0444" "$work/no-exec-bits"; then
  how="mounted image"
else
  how="extracted read-only folders (mounting is not allowed here)"
  for m in "${mounted[@]}"; do umount "$m"; done
  mounted=()
  for d in readonly no-exec-bits; do
    xorriso -osirrox on -indev "$iso" -extract / "$work/$d" 2>>"$out/xorriso.log"
  done
  chmod -R a-x "$work/no-exec-bits"
  find "$work/no-exec-bits" -type d -exec chmod a+x {} +
  chmod -R a-w "$work/readonly" "$work/no-exec-bits"
fi
noexec=0
if try_mount "noexec" "$work/noexec"; then
  noexec=1
elif [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o noexec,size=1g tmpfs "$work/noexec" 2>/dev/null; then
  # A noexec file system of its own with the image's files.
  mounted+=("$work/noexec")
  xorriso -osirrox on -indev "$iso" -extract / "$work/noexec" 2>>"$out/xorriso.log"
  noexec=1
fi

echo "== starting autorun.sh from $how"
if [ -n "${DISPLAY:-}" ]; then
  session "$out" "$work" "$noexec" || status=1
else
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --session "$out" "$work" "$noexec" || status=1
fi
if [ "$status" -eq 0 ]; then
  echo "Dry run passed: look at $out/readonly.png and $out/no-exec-bits.png, then burn $iso."
else
  echo "Dry run found problems (above)." >&2
fi
exit $status
