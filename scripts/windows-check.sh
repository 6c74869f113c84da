#!/usr/bin/env bash
# Tries the Windows build under Wine as a Windows user would, on a virtual display: the Qt Test
# programs, the installer, the installed program (typed lines evaluated and copied, a German
# number, the symbol dialog, the about box, the preview playing a message, two messages taken from
# a text by "Text verteilen", the close box; a Windows-1252 file opened from outside and kept
# through a kill), the
# uninstaller, and the portable zip unpacked to a folder of its own. Builds first with
# scripts/windows.sh, installing what it needs. Prints one line a check and ends with an error when
# one fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-windows}

source "$root/scripts/wine-session.sh"
on_virtual_display "$0" 1280x1024

failures=0
check() { # name, expected, actual
    if [[ "$2" == "$3" ]]; then
        echo "ok: $1"
    else
        echo "FAIL: $1"$'\n'"  expected: ${2//$'\n'/$'\n'  }"$'\n'"  actual:   ${3//$'\n'/$'\n'  }"
        failures=$((failures + 1))
    fi
}
# The window functions the window offers (minimise 0x08, maximise 0x10), as Wine tells the window
# manager, whether it draws the buttons or not.
no_minimise_maximise() {
    local functions
    functions=$(xprop -id "$(window "$1")" _MOTIF_WM_HINTS | awk -F', ' '{print $2}')
    echo $((functions & 0x18))
}
# Waits up to 10 s for every tarvolin.exe to end.
ended() {
    local tries=100
    while pgrep -f '[t]arvolin\.exe' >/dev/null; do
        ((--tries)) || { echo running; return; }
        sleep 0.1
    done
    echo ended
}
# What a user could find of the program in the prefix: files outside the temporary folders (the
# uninstaller leaves its copy there, as on Windows), and registry entries that name it. The user's
# programs folder is Windows' own, made by the first installer that uses it; the user's text in the
# program's data folder stays, as Windows programs leave it.
data="Tarvolin 2000"
traces() {
    (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o \
        -path './users/*/AppData/Local/Temp' -prune -o -path "./users/*/AppData/Roaming/$data" \
        -prune -o -print | sort)
    wine regedit /E "$WINEPREFIX/registry.reg"
    iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/registry.reg" | grep -i tarvolin || true
}

wine_session "$build/wine-check"
main="Tarvolin 2000 v.3.00.00"
zip=$(ls "$build"/Tarvolin2000-*-win64.zip)
setup=$(ls "$build"/Tarvolin2000-*-win64-setup.exe)

echo "== Qt Test programs"
qt=$("$root/scripts/windows-qt.sh")
dll_dirs="$qt/bin"
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    dll_dirs+=";$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")"
done
WINEPATH=$dll_dirs ctest --test-dir "$build" --output-on-failure && tests=passed || tests=failed
check "Qt Test programs under Wine" passed "$tests"

echo "== Installer"
mkdir -p "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs"
before=$(traces)
win "$setup" /S
wineserver -w
programs="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Tarvolin 2000"
shortcut="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarvolin 2000.lnk"
check "installed for the user" yes "$([[ -f $programs/tarvolin.exe ]] && echo yes)"
check "Start-menu entry" yes "$([[ -f $shortcut ]] && echo yes)"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvolin2000'
value() { wine reg query "$key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
check "entry under the installed programs" "Tarvolin 2000 1.00" \
    "$(value DisplayName) $(value DisplayVersion)"
reg_value() { wine reg query "$1" "${@:2}" | tr -d '\r' | sed -n 's/^.*REG_SZ *//p'; }
check '"Öffnen mit" for text files' \
    '"C:\users\'"$(id -un)"'\AppData\Local\Programs\Tarvolin 2000\tarvolin.exe" "%1"' \
    "$(reg_value 'HKCU\Software\Classes\Tarvolin2000.txt\shell\open\command' /ve)"
check "listed among the programs for .txt, not made the default" "Tarvolin2000.txt" \
    "$(wine reg query 'HKCU\Software\Classes\.txt' /s | tr -d '\r' | grep -o '^ *[^ ]*  *REG_SZ' |
        awk '{print $1}')"
check "its icon" 'C:\users\'"$(id -un)"'\AppData\Local\Programs\Tarvolin 2000\tarvolin.exe,0' \
    "$(value DisplayIcon)"

echo "== The installed program, started from its Start-menu entry"
started=$(date +%s.%N)
win start "$(winepath -w "$shortcut")"
window "$main" >/dev/null
echo "window after $(echo "$(date +%s.%N) - $started" | bc | cut -c1-4) s"
check "window title" "$main" "$(xdotool getwindowname "$(window "$main")")"
check "icon in the title bar" $'Icon (16 x 16):\nIcon (32 x 32):' \
    "$(xprop -id "$(window "$main")" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*):' | sort -u)"
check "main window offers no minimise or maximise" 0 "$(no_minimise_maximise "$main")"

# Four lines, the second pasted with umlauts, the third emptied, "Auswerten", and the output box
# copied.
keys "$main" ctrl+a "type:Hallo Welt!" Tab
paste "$main" "Grüße aus Köln"
keys "$main" Tab ctrl+a BackSpace Tab ctrl+a type:Ende Tab space Tab
blanks() { printf "%$1s" ""; }
expected="$(blanks 20)Hallo Welt!
$(blanks 18)Grüße aus Köln
$(blanks 25)
$(blanks 23)Ende"
check "lines evaluated and copied" "$expected" "$(copied "$main")"

# "Farbe": line "4,5" is 4 in the German format.
# Two items share the letter F: the first press only chooses.
keys "$main" alt+m f Return
answer Zeile 4,5
answer Textfarbe 2
check "German number 4,5 taken as line 4" "${expected%$'\n'*}"$'\n'"\\C[2]$(blanks 23)Ende\\C[0]" \
    "$(copied "$main")"

# The symbol dialog: the first symbol of all, then the first arrow.
keys "$main" alt+m y
window "Dialog Caption" >/dev/null
check "symbol dialog offers no minimise or maximise" 0 "$(no_minimise_maximise "Dialog Caption")"
# The list's first entry gets the focus frame only: Down and Up select it.
keys "Dialog Caption" Tab Down Up Tab Tab Tab Tab space shift+Tab
check "symbol code of the first symbol" '$A' "$(copied "Dialog Caption")"
keys "Dialog Caption" shift+Tab shift+Tab ctrl+a type:Pfeile Tab space shift+Tab shift+Tab Down Up \
    Tab Tab Tab Tab space shift+Tab
check "symbol code of the first arrow" '$s' "$(copied "Dialog Caption")"

keys "$main" alt+h u
check "about box offers no minimise or maximise" 0 "$(no_minimise_maximise About)"
keys About Return
closed About

# The preview plays a message that closes by itself: its message window, drawn at first, is gone
# at the end. The pixel lies in the message window's border, below the title bar Wine draws.
keys "$main" alt+m t
answer "Automatisches Schließen" 1
keys "$main" alt+m v
check "preview offers no minimise or maximise" 0 "$(no_minimise_maximise Vorschau)"
pixel() {
    /usr/bin/import -window "$(window Vorschau)" png:- |
        /usr/bin/convert png:- -format '%[pixel:p{24,50}]' info:
}
message_window="srgb(32,40,88)"
tries=50
until [[ $(pixel) == "$message_window" ]] || ! ((--tries)); do sleep 0.1; done
drawn=$(pixel)
keys Vorschau space
tries=150
while [[ $(pixel) == "$drawn" ]] && ((--tries)); do sleep 0.1; done
check "preview draws the message window, plays it and closes it" "$message_window closed" \
    "$drawn $([[ $(pixel) != "$drawn" ]] && echo closed)"

# "Text verteilen" takes two messages, one after the other, from a pasted text with umlauts into
# the input lines, evaluated: the output box shows each centred, and line 1 holds the second.
keys "$main" alt+m e
paste "Text verteilen" $'Grüße aus Köln, sagt der Wächter.\n \nÜbermorgen öffnet das Tor.'
centred() { printf '%*s%s\n%25s\n%25s\n%25s' "$1" "" "$2" "" "" ""; }
keys "Text verteilen" ctrl+Return
check "first message taken and evaluated" "$(centred 9 'Grüße aus Köln, sagt der Wächter.')" \
    "$(copied "$main")"
keys "Text verteilen" ctrl+Return
check "second message taken and evaluated" "$(centred 12 'Übermorgen öffnet das Tor.')" \
    "$(copied "$main")"
# From the output box back to line 1, and forth again.
keys "$main" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
check "second message in line 1" "Übermorgen öffnet das Tor." "$(copied "$main")"
keys "$main" Tab Tab Tab Tab Tab

# The close box of the main window ends the program, the open symbol dialog and preview with it.
wmctrl -c "$main"
check "close box ends the program" ended "$(ended)"

echo "== A text file in Windows-1252 opened from outside, kept through a kill"
documents="$WINEPREFIX/drive_c/users/$(id -un)/Documents"
mkdir -p "$documents"
# „Grüße aus Köln“ – 5 €… as a German Windows editor saves it.
printf '\x84Gr\xfc\xdfe aus K\xf6ln\x93 \x96 5 \x80\x85' >"$documents/kapitel3.txt"
scene="„Grüße aus Köln“ – 5 €…"
win "$programs/tarvolin.exe" "$(winepath -w "$documents/kapitel3.txt")" &
window "$main" >/dev/null
check "the file's text in Text verteilen" "$scene" "$(copied "Text verteilen – kapitel3.txt")"
sleep 2
wine taskkill /F /IM tarvolin.exe >/dev/null 2>&1
check "taskkill /F ends the program" ended "$(ended)"
kept="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/$data/Text verteilen.txt"
check "the text kept under %APPDATA%" "$scene" "$(cat "$kept")"
win start "$(winepath -w "$shortcut")"
keys "$main" alt+m e
check "the text there after the next start" "$scene" "$(copied "Text verteilen")"
wmctrl -c "$main"
check "close box ends the program" ended "$(ended)"

echo "== Uninstaller"
win "$programs/Uninstall.exe" /S
wineserver -w
check "nothing left behind" "" "$(diff <(echo "$before") <(traces))"
check "the user's text left" "$scene" "$(cat "$kept")"

echo "== Portable zip, unpacked to a folder of the user's choice"
portable="$WINEPREFIX/drive_c/Spiele/Werkzeuge für Tarvolin"
mkdir -p "$portable"
unzip -q "$zip" -d "$portable.zip"
mv "$portable.zip"/*/* "$portable/"
rm -r "$portable.zip"
WINEDEBUG=+loaddll win "$portable/tarvolin.exe" 2>"$build/wine-check/loaded.log" &
window "$main" >/dev/null
wmctrl -c "$main"
check "portable program starts and ends" ended "$(ended)"
# Each DLL the folder holds is loaded, and no DLL of its own is loaded from elsewhere.
check "every shipped DLL is loaded, no other" \
    "$(cd "$portable" && find . -name '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | sort)" \
    "$(grep -o '[^\\]*\.dll" at [0-9A-F]*: native' "$build/wine-check/loaded.log" |
        cut -d'"' -f1 | tr '[:upper:]' '[:lower:]' | sort -u)"
check "platform and style plugins loaded" $'qwindows.dll\nqwindowsvistastyle.dll' \
    "$(grep -o 'qwindows[a-z]*\.dll" at [0-9A-F]*: native' "$build/wine-check/loaded.log" |
        cut -d'"' -f1 | sort -u)"
# The start-up set-up, tested where the shipped folder puts Qt's German catalogue.
cp "$build/tst_windows.exe" "$qt/bin/Qt6Test.dll" "$portable/"
cp "$qt/plugins/platforms/qoffscreen.dll" "$portable/platforms/"
win "$portable/tst_windows.exe" realBoxes && setup_test=passed || setup_test=failed
check "Qt's German texts in the shipped folder" passed "$setup_test"

echo "$failures failed"
[[ $failures -eq 0 ]]
