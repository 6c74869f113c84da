#!/usr/bin/env bash
# Times the text split and "Text verteilen" with 1 MiB of text, in a release build in build-bench/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-bench}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_BENCHMARKS=ON
cmake --build "$build" --target bench_text_split
"$build/bench/bench_text_split"
