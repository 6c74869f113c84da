#!/usr/bin/env bash
# Takes the README's pictures of the Windows build as a Windows user sees it, at 100 % and 150 %
# (Wine at 96 and 144 dots per inch): the main window with a typed message, the question box,
# the symbol dialog, the about box, the preview and "Text verteilen", with the title bars Wine
# draws from the windows' own styles, and the whole Wine desktop with "Text verteilen" where it
# opens.
# Saves docs/windows-<window>-<scale>.png. Builds first with scripts/windows.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-windows}

source "$root/scripts/wine-session.sh"
on_virtual_display "$0" 1600x1200

# Saves the window titled $2 as docs/windows-$1-$scale.png, without time stamps so that the same
# window gives the same file.
shoot() {
    /usr/bin/import -window "$(window "$2")" png:- |
        /usr/bin/convert png:- -strip -define png:exclude-chunks=date,time \
            "$root/docs/windows-$1-$scale.png"
}
# Keys for the program's foreground window, through the Wine desktop that holds it. Text is pasted:
# typed keys beyond ASCII do not reach Wine from a virtual keyboard.
press() {
    xdotool windowactivate --sync "$desktop"
    xdotool key --delay 50 "$@"
    sleep 0.5
}

for scale in 100 150; do
    wine_session "$build/wine-screenshots" $((96 * scale / 100))
    folder="$WINEPREFIX/drive_c/Tarvolin 2000"
    mkdir -p "$folder"
    unzip -q "$build"/Tarvolin2000-*-win64.zip -d "$folder.zip"
    mv "$folder.zip"/*/* "$folder/"
    # Wine's virtual desktop: Wine, not the Linux window manager, draws the title bars.
    win explorer /desktop=Tarvolin,1400x1000 'C:\Tarvolin 2000\tarvolin.exe' &
    desktop=$(window "Tarvolin - Wine desktop")
    main="Tarvolin 2000 v.3.00.00"
    window "$main" >/dev/null
    sleep 1

    for line in "Hallo Welt!" "Grüße aus Köln"; do
        printf %s "$line" | xclip -selection clipboard
        press ctrl+a ctrl+v
        press Tab
    done
    press Tab Tab space
    shoot main "$main"

    press alt+m f Return
    window Zeile >/dev/null
    shoot question Zeile
    press Escape

    press alt+m y
    window "Dialog Caption" >/dev/null
    press Tab Down Up Tab Tab Tab Tab space
    shoot symbols "Dialog Caption"
    press Escape

    press alt+h u
    shoot about About
    press Return

    # A scene in "Text verteilen", beside the main window; Esc hides it again.
    press alt+m e
    window "Text verteilen" >/dev/null
    printf '%s\n\n%s' \
        "Der alte Wächter am Tor hebt langsam seine Laterne und sagt: Ihr kommt spät, Reisende. Die Brücke über den Fluss ist seit dem Sturm gesperrt, und der Fährmann wartet nur bis Sonnenuntergang." \
        "Wenn ihr euch beeilt, erreicht ihr ihn noch." | xclip -selection clipboard
    press ctrl+v
    shoot text "Text verteilen"
    shoot desktop "Tarvolin - Wine desktop"
    press Escape

    # The preview of a message with a face, a colour and glyphs. Two menu items share the letter
    # F: the second press chooses "Face On/Off".
    press alt+m f f Return
    press Return shift+Tab shift+Tab shift+Tab shift+Tab
    for line in 'Hallo Welt! $a' 'Nach oben: $s'; do
        printf %s "$line" | xclip -selection clipboard
        press ctrl+a ctrl+v Tab
    done
    press Tab Tab space alt+m f Return ctrl+a 1 Return ctrl+a 4 Return alt+m v
    window Vorschau >/dev/null
    sleep 1
    shoot preview Vorschau

    wineserver -k
done
echo "Saved docs/windows-*.png"
