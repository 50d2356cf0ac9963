#!/usr/bin/env bash
# Builds the Debian package build/package/quillon_<version>_<arch>.deb: a Release build of the
# four programs in a folder of its own (no tests, benchmarks or fuzz targets), with Debian's
# hardening flags, then cpack. `sudo apt install ./build/package/quillon_*.deb` installs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=${QUILLON_PACKAGE_BUILD:-build/package}
# Debian's compiler and linker flags with every hardening option, without the debugging
# information that would be stripped anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /')"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DQUILLON_BENCH=OFF -DQUILLON_FUZZ=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/quillon_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/quillon_*.deb
