#!/bin/sh
# Checks the program for memory errors and leaks with valgrind's memcheck: a start and quit of the
# real program, and a tour through the commands of the main window (evaluation with a length
# warning, colour, speed, pause, automatic close, face and alignment, the secondary windows,
# clearing, "Beenden"). Each run is made twice, without and with scripts/valgrind.supp, so the
# table shows what the suppressions hide; only the runs with suppressions decide the result.
#   scripts/valgrind.sh [--xvfb] [--tests]
#     --xvfb   also run on the X11 platform under xvfb-run
#     --tests  also run every Qt Test program of the build (offscreen; a few minutes)
# Environment: BUILD_DIR (default build-valgrind next to this script's folder).
# Exit status 1 when a run with suppressions reports an error or a definite leak.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-valgrind}
suppressions=$root/scripts/valgrind.supp
platforms=offscreen
with_tests=no
for option in "$@"; do
    case $option in
    --xvfb) platforms="offscreen xcb" ;;
    --tests) with_tests=yes ;;
    *)
        echo "usage: $0 [--xvfb] [--tests]" >&2
        exit 2
        ;;
    esac
done
targets="startup_probe command_tour"
if [ $with_tests = yes ]; then
    targets="all $targets"
fi

# A Debug build keeps every frame in the reports; sanitizers and valgrind do not mix.
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLIN_SANITIZE=OFF \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 2; }
# shellcheck disable=SC2086 # one word per target
cmake --build "$build" --target $targets >"$build/build.log" 2>&1 ||
    { cat "$build/build.log" >&2; exit 2; }
logs=$build/valgrind-logs
mkdir -p "$logs"

# Prints the number of errors a log reports.
errors_in() {
    sed -n 's/^==[0-9]*== ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$1" | tail -n 1
}

# run PLATFORM EXECUTABLE LOG [VALGRIND OPTIONS...]: exit status 0 only when valgrind found
# nothing and the program itself succeeded.
run() {
    run_platform=$1 run_executable=$2 run_log=$3
    shift 3
    # A fork that only execs a helper (libdbus starting dbus-launch) would report the parent's
    # memory as the child's own; the child runs none of the program's code.
    set -- valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
        --child-silent-after-fork=yes --num-callers=40 --gen-suppressions=all \
        --log-file="$run_log" "$@" "$run_executable"
    if [ "$run_platform" = xcb ]; then
        QT_QPA_PLATFORM=xcb xvfb-run -a "$@" >/dev/null 2>&1
    else
        QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1
    fi
}

status=0
# check PLATFORM EXECUTABLE: both runs and one row of the table.
check() {
    name=$(basename "$2")
    bare_log=$logs/$name-$1-unsuppressed.log
    log=$logs/$name-$1.log
    run "$1" "$2" "$bare_log" || true
    verdict=passed
    run "$1" "$2" "$log" --suppressions="$suppressions" || verdict=FAILED
    unsuppressed=$(errors_in "$bare_log")
    suppressed=$(errors_in "$log")
    # No count means valgrind or the program never got to the end.
    if [ "${suppressed:-?}" != 0 ]; then
        verdict=FAILED
    fi
    if [ "$verdict" != passed ]; then
        status=1
    fi
    printf '%-10s %-20s %18s %15s  %-7s %s\n' "$1" "$name" "${unsuppressed:-?}" \
        "${suppressed:-?}" "$verdict" "$log"
}

printf '%-10s %-20s %18s %15s  %-7s %s\n' Platform Program "Errors (no supp.)" "Errors (supp.)" \
    Result Log
for platform in $platforms; do
    for program in startup_probe command_tour; do
        check "$platform" "$build/bench/$program"
    done
done
if [ $with_tests = yes ]; then
    for test in $(find "$build/tests" -type f -perm -u+x -name 'tst_*' | sort); do
        check offscreen "$test"
    done
fi
exit $status
