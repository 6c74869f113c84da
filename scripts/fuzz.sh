#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) in their
# own build directory and runs each one for a bounded time.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET]     (default 60)
#
# TARVOLIN_FUZZ_BUILD chooses the build directory (default build-fuzz). The committed corpus is
# only read; new inputs go to the build directory, and the findings of the last run are kept
# there under artifacts/<target>/. Exits non-zero when a target found anything.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVOLIN_FUZZ_BUILD:-$root/build-fuzz}"
targets=(fuzz_numeric_answer fuzz_evaluation)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARVOLIN_FUZZ=ON -DTARVOLIN_WERROR=ON >/dev/null
cmake --build "$build" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
for target in "${targets[@]}"; do
    work="$build/fuzz-work/$target"
    artifacts="$build/artifacts/$target"
    log="$build/fuzz-work/$target.log"
    rm -rf "$artifacts"
    mkdir -p "$work" "$artifacts"
    dict=()
    if [[ -f "$root/fuzz/$target.dict" ]]; then
        dict=(-dict="$root/fuzz/$target.dict")
    fi
    echo "== $target: $seconds s"
    status=0
    "$build/fuzz/$target" "$work" "$root/fuzz/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" \
        >"$log" 2>&1 || status=$?
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    findings="$(find "$artifacts" -type f | wc -l)"
    echo "   executions: ${executions:-unknown}, exit status: $status, findings kept: $findings"
    echo "   corpus: $(find "$work" -type f | wc -l) new inputs in $work"
    if [[ $status -ne 0 || $findings -ne 0 ]]; then
        failed=1
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*check failed|.*runtime error)' "$log" | head -n 5 || true
        find "$artifacts" -type f | sed 's/^/   finding: /'
        echo "   log: $log"
    fi
done
exit $failed
