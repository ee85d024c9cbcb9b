#!/usr/bin/env bash
# Builds the binaries an author puts on a medium: dist/Tavilo and
# dist/tavilo-check, optimised and stripped, carrying FLTK, libjpeg, libpng,
# zlib, libstdc++ and libgcc, so that only libc and the desktop's X11, Xft and
# fontconfig libraries are needed; beside them dist/Tavilo.exe and
# dist/tavilo-check.exe for Windows (mingw-w64, everything static, only system
# DLLs imported). Then checks what they need (tests/release).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="$root/build-release"
dist="$root/dist"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DTAVILO_PORTABLE=ON \
  -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF
cmake --build "$build" -j "$(nproc)" --target Tavilo tavilo-check
mkdir -p "$dist"
for name in Tavilo tavilo-check; do
  strip -o "$dist/$name.tmp" "$build/$name"
  mv "$dist/$name.tmp" "$dist/$name"
done
"$root/tests/release/portable_binary.sh" "$dist/Tavilo" "$dist/tavilo-check"

"$root/scripts/setup-windows.sh"
build="$root/build-win-release"
"$root/scripts/configure.sh" "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTAVILO_TESTS=OFF -DTAVILO_BENCH=OFF -DTAVILO_TOOLS=OFF
cmake --build "$build" -j "$(nproc)" --target Tavilo tavilo-check
for name in Tavilo tavilo-check; do
  x86_64-w64-mingw32-strip -o "$dist/$name.exe.tmp" "$build/$name.exe"
  mv "$dist/$name.exe.tmp" "$dist/$name.exe"
done
"$root/tests/release/windows_binary.sh" "$dist/Tavilo.exe" "$dist/tavilo-check.exe"
echo "Release built: $dist/Tavilo ($(du -k "$dist/Tavilo" | cut -f1) KB) and $dist/tavilo-check," \
  "$dist/Tavilo.exe ($(du -k "$dist/Tavilo.exe" | cut -f1) KB) and $dist/tavilo-check.exe;" \
  "put Tavilo and Tavilo.exe beside the medium's Tavilo.ini and check the medium with tavilo-check."
