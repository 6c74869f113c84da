#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build and run the program, when missing.
#   install-deps.sh [tests] [screenshot]
# "tests" adds the tools the tests call, "screenshot" those of scripts/screenshot.sh.
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
        screenshot) packages+=(xdotool imagemagick) ;;
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
