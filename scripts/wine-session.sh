# Sourced by the Windows scripts that run the program under Wine: Wine set up like a German
# user's Windows on a virtual X display, and helpers that drive the program's windows by their
# titles as a user would. The script sets $root, the project folder.

# Builds with scripts/windows.sh, installs Wine and the tools that drive it, and runs the calling
# script $1 again on a virtual display of $2 pixels, unless it runs on one already.
on_virtual_display() {
    [[ "${TARVOLIN_ON_DISPLAY:-}" != 1 ]] || return 0
    "$root/scripts/windows.sh"
    "$root/scripts/install-deps.sh" windows-check
    TARVOLIN_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 ${2}x24" "$1"
}

# A fresh Wine prefix in $1 at $2 dots per inch (96 is 100 %, 144 is 150 %), a German locale,
# and a window manager for the close box.
wine_session() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LOCPATH=$1.locale
    rm -rf "$WINEPREFIX"
    # Wine reads Linux paths in the Linux locale: a German one, compiled without changing the
    # machine's own locales.
    if [[ ! -d $LOCPATH/de_DE.UTF-8 ]]; then
        mkdir -p "$LOCPATH"
        localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8"
    fi
    openbox >/dev/null 2>&1 &
    wine wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${2:-96}" /f >/dev/null
    # Wine's own fonts (Tahoma for the interface, Marlett for the title-bar buttons) are found
    # only in the prefix.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # Windows' fixed-width font, which the preview draws with, has a metric twin on Linux.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Courier New" /d "Liberation Mono" \
        /f >/dev/null
    # Qt Test writes to the debugger on Windows unless told to use the console; Wine passes no
    # QT_ variable of the Linux environment through.
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
    # The offscreen platform of the window tests reads fonts from a folder, not from Windows.
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'C:\windows\Fonts' /f >/dev/null
    wineserver -w
}

# Runs a Windows program as a German user (Wine takes the user's locale from LC_ALL).
win() {
    LC_ALL=de_DE.UTF-8 wine "$@"
}

# The id of the visible window titled $1, waiting up to 30 s for it.
window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
    [[ -n $id ]] || { echo "no window titled $1" >&2; return 1; }
    echo "$id"
}

# Waits up to 30 s until no window titled $1 is visible.
closed() {
    local tries=300
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        ((--tries)) || return 1
        sleep 0.1
    done
}

# Presses keys (xdotool key names, or "type:TEXT") in the window titled $1.
keys() {
    xdotool windowactivate --sync "$(window "$1")"
    shift
    for key in "$@"; do
        if [[ $key == type:* ]]; then
            xdotool type --delay 30 "${key#type:}"
        else
            xdotool key --delay 30 "$key"
        fi
        sleep 0.2
    done
}

# Pastes $2 into the focused text box of the window titled $1, replacing its text: typed keys
# beyond ASCII do not reach Wine from a virtual keyboard.
paste() {
    printf %s "$2" | xclip -selection clipboard
    keys "$1" ctrl+a ctrl+v
}

# Answers the question box titled $1 with $2, and waits until it has gone.
answer() {
    keys "$1" ctrl+a "type:$2" Return
    closed "$1"
}

# What the focused text box of the window titled $1 holds, copied as a user copies it.
copied() {
    keys "$1" ctrl+a ctrl+c
    xclip -o -selection clipboard
}
