#!/usr/bin/env bash
# Builds the Debian package: a Release build in its own folder with the
# distribution's hardening flags (fortify, stack protector, relro and
# bindnow, PIE), stripped by CPack. Prints the package's path.
#   scripts/package.sh [build folder, default build-package]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
jobs=${JOBS:-$(nproc)}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS: the preprocessor's flags (fortify) go with the
# compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZI_TESTS=OFF \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
  "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" >&2
cmake --build "$build" -j "$jobs" >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB) >&2
realpath "$build"/*.deb
