#!/usr/bin/env bash
# Builds the program (installing what it needs) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-run}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target tarvolin
exec "$build/src/tarvolin" "$@"
