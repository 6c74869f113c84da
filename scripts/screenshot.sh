#!/usr/bin/env bash
# Takes the README's picture of the main window: starts a release build on a virtual X display,
# presses "Auswerten" so that the output box shows the four lines, and saves the window.
#   screenshot.sh [OUTPUT.png]   (default docs/main-window.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-run}
out=$(realpath -m "${1:-$root/docs/main-window.png}")

if [[ "${TARVOLIN_ON_DISPLAY:-}" != 1 ]]; then
    "$root/scripts/install-deps.sh" screenshot
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" --target tarvolin
    TARVOLIN_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi

"$build/src/tarvolin" &
program=$!
trap 'kill $program' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Tarvolin 2000' | head -1)
sleep 1
# The focus starts in "Zeile 1"; four Tabs reach "Auswerten", Space presses it.
xdotool windowfocus --sync "$window" key Tab Tab Tab Tab space
sleep 1
# ImageMagick by full path: another "import" or "convert" may come first on PATH. Without time
# stamps, the same window gives the same file.
/usr/bin/import -window "$window" png:- |
    /usr/bin/convert png:- -strip -define png:exclude-chunks=date,time "$out"
echo "Saved $out"
