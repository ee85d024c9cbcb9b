#!/usr/bin/env bash
# The template's autorun.sh on a medium mounted noexec explains in German why
# nothing starts, instead of the program loader's "failed to map segment".
# Needs the right to mount a tmpfs; skipped (77) where that is refused.
# Usage: autorun_noexec.sh <Tavilo binary> <autorun.sh>
set -euo pipefail
binary=$1
autorun=$2
medium=$(mktemp -d)
mounted=0
trap '((mounted)) && umount "$medium"; rmdir "$medium"' EXIT
mount -t tmpfs -o noexec,size=64m tmpfs "$medium" 2>/dev/null || { echo "mounting is not allowed here"; exit 77; }
mounted=1
cp "$binary" "$medium/Tavilo"
cp "$autorun" "$medium/autorun.sh"
printf '[Programm]\r\nVersion=4.02\r\n' > "$medium/Tavilo.ini"
set +e
said=$(cd / && sh "$medium/autorun.sh" 2>&1)
rc=$?
set -e
[ "$rc" -ne 0 ] || { echo "autorun.sh ended with 0" >&2; exit 1; }
grep -q 'Option "noexec" eingebunden' <<<"$said" || { echo "no explanation: $said" >&2; exit 1; }
! grep -q "failed to map" <<<"$said" || { echo "the loader was tried: $said" >&2; exit 1; }
echo "explained: $said"
