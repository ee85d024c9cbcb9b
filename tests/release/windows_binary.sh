#!/usr/bin/env bash
# Checks the Windows release binaries: 64-bit, the menu a GUI program and the
# others console programs, importing only DLLs that every Windows 10 and 11
# has (no libstdc++, libgcc, winpthread or FLTK DLL), carrying a version
# resource and a manifest, and the menu under 2.5 MB. Prints each
# binary's size and import list.
# Usage: tests/release/windows_binary.sh MENU.exe [OTHER.exe...]
set -euo pipefail
status=0
limit=$((5 * 1024 * 1024 / 2))
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|gdiplus|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|winspool\.drv|ws2_32|imm32|version|shcore|uuid)(\.dll)?$'
first=1
fail() {
  echo "  FAIL: $*" >&2
  status=1
}
for binary in "$@"; do
  size=$(stat -c %s "$binary")
  echo "$binary: $size bytes"
  headers=$(x86_64-w64-mingw32-objdump -p "$binary")
  grep -q '^Magic.*20b' <<<"$headers" || fail "not a 64-bit program"
  subsystem=$(sed -n 's/^Subsystem[[:space:]]*0*\([0-9]*\).*/\1/p' <<<"$headers")
  want=3
  ((first)) && want=2
  [[ $subsystem == "$want" ]] || fail "subsystem $subsystem, expected $want (2: GUI, 3: console)"
  imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
  sed 's/^/  /' <<<"$imports"
  while read -r dll; do
    [[ -z $dll ]] && continue
    grep -Eqi "$system_dlls" <<<"$dll" || fail "imports $dll, which is no system DLL"
  done <<<"$imports"
  # The manifest and the version resource, as their texts show in the section.
  # (grep -c reads to the end: -q would stop strings early, which pipefail counts as failure)
  x86_64-w64-mingw32-strings -el "$binary" | grep -c '^FileDescription$' >/dev/null || fail "no version resource"
  x86_64-w64-mingw32-strings "$binary" | grep -c 'Microsoft.Windows.Common-Controls' >/dev/null || fail "no manifest"
  ((first)) && ((size >= limit)) && fail "$size bytes, the menu should stay under $limit"
  first=0
done
exit $status
