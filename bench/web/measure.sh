#!/usr/bin/env bash
# Prints the page's figures: the size of its files gzipped, the time from navigation to the
# first drawn board in headless chromium (median of several cold loads), and the CPU that
# the renderer and GPU processes take while level 1 and level 5 play by themselves (level 5
# also while recording).
#   bench/web/measure.sh     # RUNS=9 loads, PLAY_SECONDS=30 of play
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/build-web.sh >/dev/null
bash tests/web/modules.sh
node bench/web/figures.mjs build-web/site
