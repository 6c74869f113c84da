#!/bin/sh
# Checks the program for memory errors and leaks with valgrind's memcheck: a start and quit of the
# real program, and a tour through the commands of the main window (evaluation with a length
# warning, colour, speed, pause, automatic close, face and alignment, the secondary windows,
# clearing, "Beenden"). Each run is made twice, without and with scripts/valgrind.supp, so the
# table shows what the suppressions hide; only the runs with suppressions decide the result.
#   scripts/valgrind.sh [--xvfb]     --xvfb: also run on the X11 platform under xvfb-run
# Environment: BUILD_DIR (default build-valgrind next to this script's folder).
# Exit status 1 when a run with suppressions reports an error or a definite leak.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-valgrind}
suppressions=$root/scripts/valgrind.supp
platforms=offscreen
if [ "${1:-}" = "--xvfb" ]; then
    platforms="offscreen xcb"
fi

# A Debug build keeps every frame in the reports; sanitizers and valgrind do not mix.
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_SANITIZE=OFF \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 2; }
cmake --build "$build" --target startup_probe command_tour >"$build/build.log" 2>&1 ||
    { cat "$build/build.log" >&2; exit 2; }
logs=$build/valgrind-logs
mkdir -p "$logs"

# Prints the number of errors a log reports.
errors_in() {
    sed -n 's/^==[0-9]*== ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$1" | tail -n 1
}

# run PLATFORM PROGRAM LOG [VALGRIND OPTIONS...]: exit status 0 only when valgrind found nothing
# and the program itself succeeded.
run() {
    run_platform=$1 run_program=$2 run_log=$3
    shift 3
    # A fork that only execs a helper (libdbus starting dbus-launch) would report the parent's
    # memory as the child's own; the child runs none of the program's code.
    set -- valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
        --child-silent-after-fork=yes --num-callers=40 --gen-suppressions=all \
        --log-file="$run_log" "$@" "$build/bench/$run_program"
    if [ "$run_platform" = xcb ]; then
        QT_QPA_PLATFORM=xcb xvfb-run -a "$@" >/dev/null 2>&1
    else
        QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1
    fi
}

status=0
printf '%-10s %-14s %18s %18s  %-7s %s\n' Platform Program "Errors (no supp.)" "Errors (supp.)" \
    Result Log
for platform in $platforms; do
    for program in startup_probe command_tour; do
        bare_log=$logs/$program-$platform-unsuppressed.log
        log=$logs/$program-$platform.log
        run "$platform" "$program" "$bare_log" || true
        verdict=passed
        run "$platform" "$program" "$log" --suppressions="$suppressions" || verdict=FAILED
        unsuppressed=$(errors_in "$bare_log")
        suppressed=$(errors_in "$log")
        # No count means valgrind or the program never got to the end.
        if [ "${suppressed:-?}" != 0 ]; then
            verdict=FAILED
        fi
        if [ "$verdict" != passed ]; then
            status=1
        fi
        printf '%-10s %-14s %18s %18s  %-7s %s\n' "$platform" "$program" "${unsuppressed:-?}" \
            "${suppressed:-?}" "$verdict" "$log"
    done
done
exit $status
