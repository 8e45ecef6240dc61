#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/ui/stonewick
