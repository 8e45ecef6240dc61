#!/usr/bin/env bash
# Regenerates docs/screenshot.png: builds the game, starts it on a virtual X display, plays
# a few moves and photographs its window. Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
bash scripts/install-deps.sh play display
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)" --target stonewick

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=xvfb.sh
source scripts/xvfb.sh
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
trap cleanup EXIT

start_xvfb "$work" 640x480x24 || { echo "Xvfb did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$build/ui/stonewick" 2>"$work/game.log" &
game_pid=$!
window="$(wait_for_game_window 20)" || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowmove "$window" 8 8 windowfocus --sync "$window"
sleep 1

# The first key starts play; a few steps and a push show the player at work.
for key in Down Down Right Right space Up; do
  xdotool key --window "$window" "$key"
  sleep 0.3
done
sleep 1.5

import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"
