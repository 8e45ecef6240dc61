#!/usr/bin/env bash
# Prints the page's figures: the size of its files gzipped, the time from navigation to the
# first drawn board in headless chromium (median of several cold loads), and the CPU that
# the renderer and GPU processes take while level 1 and level 5 play by themselves, each
# beside the floor page (bench/web/floor/) that does only what that level cannot avoid: the
# same timers, and as many cells drawn per wake-up as cells_per_wakeup counts in ten minutes
# of that level playing by itself (level 5 also while recording).
#   bench/web/measure.sh [BUILD_DIR]  # RUNS=9 loads, PLAY_SECONDS=30 of play, ROUNDS=3 turns
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}

bash scripts/build-web.sh >/dev/null
bash tests/web/modules.sh
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S . -B "$build" >/dev/null
fi
cmake --build "$build" --target cells_per_wakeup >/dev/null
floors="[$("$build/bench/cells_per_wakeup" 1 10),$("$build/bench/cells_per_wakeup" 5 10)]"
echo "cells drawn per wake-up, ten minutes of play by itself: $floors"
FLOORS="$floors" node bench/web/figures.mjs build-web/site bench/web/floor
