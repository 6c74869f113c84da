#!/usr/bin/env bash
# Takes the README's pictures on Linux: starts a release build on a virtual X display of 1600 x 1000
# with the main window in the middle, presses "Auswerten" so that the output box shows the four
# lines, and saves the main window; then types a message with a face, a colour, a glyph and a code
# the game does not read, and saves the preview; then pastes a scene into "Text verteilen", and
# saves that window and the whole screen, with the windows where they open.
#   screenshot.sh [FOLDER]   (default docs; writes main-window.png, preview.png, text-window.png
#                             and screen.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-run}
out=$(realpath -m "${1:-$root/docs}")

if [[ "${TARVOLIN_ON_DISPLAY:-}" != 1 ]]; then
    "$root/scripts/install-deps.sh" screenshot
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" --target tarvolin
    TARVOLIN_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$out"
fi

# ImageMagick by full path: another "import" or "convert" may come first on PATH. Without time
# stamps, the same window gives the same file.
shoot() {
    /usr/bin/import -window "$1" png:- |
        /usr/bin/convert png:- -strip -define png:exclude-chunks=date,time "$out/$2"
    echo "Saved $out/$2"
}
# Keys (xdotool key names, or "type:TEXT") for the focused window, one after another.
keys() {
    for key in "$@"; do
        if [[ $key == type:* ]]; then
            xdotool type --delay 20 "${key#type:}"
        else
            xdotool key "$key"
        fi
        sleep 0.3
    done
}

# The program keeps its text and its windows' places in a data folder of its own here, not the
# user's: every run starts from nothing.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
# A window manager gives each new window, such as a question box, the keyboard focus.
openbox >/dev/null 2>&1 &
manager=$!
"$build/src/tarvolin" &
program=$!
trap 'kill $program $manager; rm -rf "$XDG_DATA_HOME"' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Tarvolin 2000' | head -1)
sleep 1
xdotool windowmove --sync "$window" 598 280
# The focus starts in "Zeile 1"; four Tabs reach "Auswerten", Space presses it.
xdotool windowfocus --sync "$window" key Tab Tab Tab Tab space
sleep 1
shoot "$window" main-window.png

# Two menu items share the letter F: the second press chooses "Face On/Off".
keys alt+m f f Return Return
keys shift+Tab shift+Tab shift+Tab shift+Tab
for line in 'Hallo Welt! $a' 'Nach oben: $s' '\C[20] gibt es nicht' 'Ende'; do
    keys ctrl+a "type:$line" Tab
done
keys space alt+m f Return ctrl+a type:1 Return ctrl+a type:4 Return
keys alt+m t ctrl+a type:2 Return alt+m v
preview=$(xdotool search --sync --onlyvisible --name '^Vorschau$' | head -1)
sleep 1
shoot "$preview" preview.png

# A scene pasted into "Text verteilen": typed keys beyond ASCII do not reach the program.
xdotool windowactivate --sync "$window"
keys alt+m e
text=$(xdotool search --sync --onlyvisible --name '^Text verteilen$' | head -1)
printf '%s\n\n%s' \
    "Der alte Wächter am Tor hebt langsam seine Laterne und sagt: Ihr kommt spät, Reisende. Die Brücke über den Fluss ist seit dem Sturm gesperrt, und der Fährmann wartet nur bis Sonnenuntergang." \
    "Wenn ihr euch beeilt, erreicht ihr ihn noch." | xclip -selection clipboard
keys ctrl+v
sleep 1
shoot "$text" text-window.png
shoot root screen.png
