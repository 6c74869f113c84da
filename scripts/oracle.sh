#!/usr/bin/env bash
# Runs many random command sequences on the program and on the independent model of the rules,
# in a release build of its own.
#
#   scripts/oracle.sh [SEQUENCES [START_VALUE]]    (default 100000 sequences per locale)
#
# TARVOLIN_ORACLE_BUILD chooses the build directory (default build-oracle). A failure names the
# start value and the sequence; TARVOLIN_ORACLE_START=S TARVOLIN_ORACLE_ONLY=I replays it.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVOLIN_ORACLE_BUILD:-$root/build-oracle}"
export TARVOLIN_ORACLE_SEQUENCES="${1:-100000}"
if [[ $# -ge 2 ]]; then
    export TARVOLIN_ORACLE_START="$2"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_SANITIZE=OFF >/dev/null
cmake --build "$build" --target tst_random_commands
time "$build/tests/robustness/tst_random_commands" randomSequences
