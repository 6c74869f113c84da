#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, into a cache folder outside
# the work tree, and prints that folder; the build's own output goes to stderr. The build is kept
# until this script or the toolchain file changes. Needs the packages of "install-deps.sh windows".
# TARVOLIN_CACHE_DIR chooses the cache folder (default ~/.cache/tarvolin).
set -euo pipefail
exec 3>&1 1>&2
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TARVOLIN_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvolin}
prefix=$cache/qt6-win64
toolchain=$root/cmake/mingw-w64.cmake

recipe=$(cat "$0" "$toolchain" | sha256sum | cut -d' ' -f1)
if [[ -f $prefix/.recipe && $(cat "$prefix/.recipe") == "$recipe" ]]; then
    echo "$prefix" >&3
    exit 0
fi

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# apt-get source needs source entries; they mirror the machine's own binary entries.
if ! apt-get indextargets --format '$(CREATED_BY)' | grep -qx Sources; then
    for list in /etc/apt/sources.list.d/*.sources; do
        [[ -e $list ]] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types: deb(\n|$)/ { sub(/Types: deb/, "Types: deb-src"); print }' "$list"
    done | "${sudo[@]}" tee /etc/apt/sources.list.d/tarvolin-deb-src.sources >/dev/null
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${sudo[@]}" tee /etc/apt/sources.list.d/tarvolin-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
fi

work=$cache/qt6-win64-work
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
# The same source and patches (security fixes included) as the Linux Qt the program uses.
apt-get source --download-only qt6-base
dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null

# Debian's tarball lacks the tablet headers the windows platform plugin includes; Wine's LGPL
# headers declare the same interface with Wine's own macros.
apt-get download libwine-dev
dpkg-deb -x libwine-dev_*.deb wine
wintab=source/src/3rdparty/wintab
mkdir -p "$wintab"
cp wine/usr/include/wine/wine/windows/pktdef.h "$wintab/"
cp wine/usr/include/wine/wine/windows/wintab.h "$wintab/wine_wintab.h"
cat >"$wintab/wintab.h" <<'EOF'
#pragma once
#include <windows.h>
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#include "wine_wintab.h"
#define API WINAPI
#define FAR
EOF

cmake -S source -B build -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF \
    -DFEATURE_system_libb2=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON
nice cmake --build build
cmake --install build >/dev/null

# Qt's German catalogue, from Debian's package: Qt finds it in its own translations folder.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_de.qm "$prefix/translations/"
# Qt's licence and the notices of the libraries it bundles, for every package that ships Qt.
mkdir -p "$prefix/licenses"
cp source/LICENSES/LGPL-3.0-only.txt source/LICENSES/GPL-3.0-only.txt "$prefix/licenses/"
python3 - source/src/3rdparty "$prefix/licenses/third-party-notices.txt" <<'EOF'
import json, pathlib, sys
third_party, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
# The bundled libraries that Qt Core, Gui and Widgets for Windows are built with.
used = ("blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5 pcre2 "
        "rfc6234 sha1 sha3 tinycbor zlib").split()
notices = ["Libraries built into the Qt DLLs\n"]
for name in used:
    folder = third_party / name
    entries = json.loads((folder / "qt_attribution.json").read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        notices.append(f"\n== {entry['Name']}\n{entry.get('Copyright', '')}\n"
                       f"Licence: {entry.get('License', entry.get('LicenseId', ''))}\n")
        files = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
        notices += [(folder / f).read_text(errors="replace") for f in files if f]
out.write_text("\n".join(notices))
EOF
cd "$cache"
rm -rf "$work"
echo "$recipe" >"$prefix/.recipe"
echo "$prefix" >&3
