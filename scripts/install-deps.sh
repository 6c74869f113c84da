#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program, when missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-translations-l10n qt6-qpa-plugins
    fonts-liberation
    xvfb xauth
    desktop-file-utils appstream python3
)

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
