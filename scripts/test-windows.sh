#!/usr/bin/env bash
# Builds Tavilo for Windows (build-win/, warnings as errors) and runs its
# tests under Wine: the core and platform test binaries and the medium
# checker through ctest, Wine being the toolchain's emulator. One Wine prefix
# per run inside the build folder (never ~/.wine), one wineserver kept alive
# for the whole run, Wine's virtual desktop, all under Xvfb. Tests that
# cannot run under Wine are listed with their reasons. Exits non-zero on any
# failure.
# Usage: scripts/test-windows.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} == --under-display ]]; then
  dir=$2
  export WINEPREFIX="$dir/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
  # No Mono or Gecko: nothing here needs them, and Wine would offer to download them.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  stop() { wineserver -k 2>/dev/null || true; }
  trap stop EXIT
  start=$SECONDS
  wine wineboot --init >/dev/null 2>&1
  # The virtual desktop: without a window manager every hide of a top-level
  # window waits about 2 s. It takes effect with the next wineserver.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
  # D: a CD drive, on a path that the end-to-end test links to its medium.
  export TAVILO_WINE_CD="$dir/test-tmp/wine-cd"
  mkdir -p "$dir/test-tmp"
  rm -f "$TAVILO_WINE_CD"
  ln -sfn "$TAVILO_WINE_CD" "$WINEPREFIX/dosdevices/d:"
  wine reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f >/dev/null
  # Windows opens .txt files with Notepad; Wine's prefix has Notepad's class
  # (txtfile) but no key for the extension, so nothing would be registered.
  wine reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null
  wineserver -k 2>/dev/null || true
  # One wineserver for the whole run: otherwise each program start costs ~3 s.
  wineserver -p
  # Wine's background services start now, not under ctest, whose output
  # pipe they would otherwise hold open until the wineserver ends.
  wine wineboot -u >/dev/null 2>&1
  echo "Wine prefix ready in $((SECONDS - start)) s"
  mkdir -p "$dir/test-tmp"
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j 2 -E "$(cat "$dir/not-run-under-wine.regex")")
  exit
fi

dir=${1:-$root/build-win}
start=$SECONDS
"$root/scripts/build-windows.sh" "$dir" -DTAVILO_WERROR=ON
echo "Windows build: $((SECONDS - start)) s"
echo "== tests under Wine"
if [[ -s $dir/not-run-under-wine.txt ]]; then
  echo "Not run under Wine:"
  sed 's/^/  /' "$dir/not-run-under-wine.txt"
fi
start=$SECONDS
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$root/scripts/test-windows.sh" --under-display "$dir"
echo "Windows tests passed in $((SECONDS - start)) s."
