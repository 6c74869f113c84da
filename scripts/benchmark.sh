#!/bin/sh
# Builds the measuring programs in Release and prints one table of timings and memory figures.
#   scripts/benchmark.sh [RUNS]      RUNS: start-ups per program and platform (default 15)
# Environment: BUILD_DIR (default build-bench next to this script's folder).
# Exit status 1 when a goal in the table is missed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${1:-15}
if [ "$runs" -lt 10 ]; then
    echo "at least 10 start-ups per program are needed for a stable median" >&2
    exit 2
fi

mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_SANITIZE=OFF \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 2; }
cmake --build "$build" --target benchmarks >"$build/build.log" 2>&1 ||
    { cat "$build/build.log" >&2; exit 2; }
bin=$build/bench

# Instructions executed from start to quit: unlike wall time, the same on a busy machine.
instructions() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
        sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p'
}

table=$(mktemp)
trap 'rm -f "$table"' EXIT

{
    # Start-up on the headless platform, then on a real X server when one can be started.
    QT_QPA_PLATFORM=offscreen "$bin/startup_compare" offscreen "$runs" \
        "$bin/startup_probe" "$bin/bare_window"
    if command -v xvfb-run >/dev/null 2>&1; then
        QT_QPA_PLATFORM=xcb xvfb-run -a "$bin/startup_compare" xvfb "$runs" \
            "$bin/startup_probe" "$bin/bare_window"
    else
        echo "xvfb-run not found: start-up measured on the offscreen platform only" >&2
    fi

    if command -v valgrind >/dev/null 2>&1; then
        program_ir=$(instructions "$bin/startup_probe")
        bare_ir=$(instructions "$bin/bare_window")
        awk -v a="$program_ir" -v b="$bare_ir" 'BEGIN {
            printf "%-46s | %-16s | %-18s | %-18s | %-12s | %s\n",
                "Start-up instructions, offscreen (callgrind)", sprintf("%.1f M", a / 1e6),
                sprintf("%.1f M (bare)", b / 1e6), sprintf("%.3f", a / b), "-", "-"
        }'
    fi

    "$bin/evaluation_bench"
    QT_QPA_PLATFORM=offscreen "$bin/auswerten_click_bench" 2>/dev/null
    "$bin/code_commands_bench"
} >"$table"

printf '%-46s | %-16s | %-18s | %-18s | %-12s | %s\n' \
    "Measurement" "Tarvolin" "Reference" "Comparison" "Goal" "Met"
printf '%s\n' "-----------------------------------------------+------------------+--------------------+--------------------+--------------+----"
cat "$table"

if grep -q '| NO$' "$table"; then
    exit 1
fi
