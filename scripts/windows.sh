#!/usr/bin/env bash
# Builds the program for 64-bit Windows on Debian 12 (installing what it needs) and packs it in
# build-windows/: a portable zip and a per-user installer. The first run also builds Qt for
# Windows into a cache folder (scripts/windows-qt.sh); later runs only rebuild the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-windows}

"$root/scripts/install-deps.sh" windows
qt=$("$root/scripts/windows-qt.sh")
# Test programs run under Wine (scripts/windows-check.sh).
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build "$build"
(cd "$build" && cpack)
ls -l "$build"/Tarvolin2000-*-win64.zip "$build"/Tarvolin2000-*-win64-setup.exe
