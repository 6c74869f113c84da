#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build and run the program, when missing.
#   install-deps.sh [tests] [screenshot] [windows] [windows-check]
# "tests" adds the tools the tests call, "screenshot" those of scripts/screenshot.sh, "windows"
# the cross compiler and installer builder of scripts/windows.sh, "windows-check" Wine and the
# tools that drive it.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-translations-l10n qt6-qpa-plugins
    fonts-liberation
    xvfb xauth python3
)
for group in "$@"; do
    case $group in
        # readelf, the desktop entry and metainfo validators, the Windows resource compiler
        tests) packages+=(binutils desktop-file-utils appstream llvm) ;;
        screenshot) packages+=(xdotool xclip imagemagick openbox) ;;
        # Qt for Windows is built from Debian's source with the host's Qt tools.
        windows) packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                            mingw-w64-x86-64-dev qt6-base-dev-tools nsis xz-utils perl) ;;
        windows-check) packages+=(wine wine64 fonts-wine xdotool xclip imagemagick openbox wmctrl
                                  x11-utils unzip bc locales) ;;
        *) echo "install-deps.sh: unknown group $group" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
