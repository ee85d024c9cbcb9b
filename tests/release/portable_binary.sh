#!/usr/bin/env bash
# Checks that release binaries need nothing a desktop may lack: ldd lists no
# FLTK, libstdc++, libgcc_s or libjpeg, the binaries themselves ask for no
# libpng or zlib (the desktop's font libraries may) and no glibc newer than
# 2.35, and the menu stays under 2 MB. Prints each binary's size and what ldd lists.
# Usage: tests/release/portable_binary.sh MENU [OTHER...]
set -euo pipefail
status=0
limit=$((2 * 1024 * 1024))
first=1
fail() {
  echo "  FAIL: $*" >&2
  status=1
}
for binary in "$@"; do
  size=$(stat -c %s "$binary")
  echo "$binary: $size bytes"
  listed=$(ldd "$binary" | awk '{print $1}')
  sed 's/^/  /' <<<"$listed"
  for lib in libfltk libstdc++ libgcc_s libjpeg; do
    grep -q "^$lib" <<<"$listed" && fail "needs $lib"
  done
  needed=$(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  for lib in libpng libz.so; do
    grep -q "^$lib" <<<"$needed" && fail "asks for $lib itself"
  done
  # The newest glibc a desktop must have: 2.35 (Ubuntu 22.04, Debian 12).
  newest=$(objdump -T "$binary" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -n 1)
  echo "  needs glibc $newest"
  [ "$(printf '%s\n2.35\n' "$newest" | sort -V | tail -n 1)" = 2.35 ] || fail "needs glibc $newest, newer than 2.35"
  ((first)) && ((size >= limit)) && fail "$size bytes, the menu should stay under $limit"
  first=0
done
exit $status
