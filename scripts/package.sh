#!/usr/bin/env bash
# Builds the Debian package of Stonewick, stonewick_<version>_amd64.deb: installs what is
# missing, makes a Release build in BUILD_DIR (build-pkg unless given) and packs it with
# CPack. Prints the package's path. Install it with: sudo apt install ./<that path>
#   scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-pkg}
bash scripts/install-deps.sh play package
# Debian's hardening flags (stack protector, fortified functions, read-only relocations).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Only what goes into the game's package: the tests and benchmarks need tools of their own, and
# the hall is a server of its own.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_SANITIZE=OFF \
  -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF -DSTONEWICK_HALL=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$(cd "$build" && pwd)/stonewick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package.sh: cpack made no $deb" >&2; exit 1; }
echo "$deb"
