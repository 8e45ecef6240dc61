#!/usr/bin/env bash
# Installs what building and playing need, if missing (the compiler, CMake and Qt's
# development files, nothing for testing), builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/ui/stonewick
