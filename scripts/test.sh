#!/usr/bin/env bash
# Builds everything (installing what it needs) and runs all tests; extra arguments go to CMake,
# for instance -DTARVOLIN_SANITIZE=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-test}

"$root/scripts/install-deps.sh" tests
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_WERROR=ON "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
