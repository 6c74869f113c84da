#!/usr/bin/env bash
# Builds a release and packs it as a Debian package (.deb) in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-package}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target tarvolin
(cd "$build" && cpack -G DEB)
