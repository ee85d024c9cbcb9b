#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest: the emulator of the mingw-w64
# toolchain. The Wine prefix is the one scripts/test-windows.sh made for its
# run (WINEPREFIX); a user's own ~/.wine is never used.
set -euo pipefail
if [[ -z ${WINEPREFIX:-} ]]; then
  echo "wine-run.sh: WINEPREFIX is not set; scripts/test-windows.sh makes a prefix and sets it" >&2
  exit 2
fi
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
