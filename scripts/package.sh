#!/usr/bin/env bash
# Builds a release with Debian's compiler and linker flags, hardening included, and packs it as a
# Debian package (.deb) in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVOLIN_BUILD_DIR:-$root/build-package}

"$root/scripts/install-deps.sh"
# From the source folder, so that dpkg-buildflags maps the debug paths to the package's own.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" --target tarvolin
(cd "$build" && cpack -G DEB)
