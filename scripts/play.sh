#!/usr/bin/env bash
# Installs what building and playing need, if missing (the compiler, CMake and Qt's
# development files, nothing for testing), builds the game in build-play/ and starts it. The
# tests build in build/ with other options, so either script may run first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
cmake --build build-play -j"$(nproc)"
exec build-play/ui/stonewick
