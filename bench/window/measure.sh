#!/usr/bin/env bash
# Prints the window figures: start-up and peak memory beside a bare Qt window
# (bench/startup/measure.sh), the game's CPU use while level 5 plays by itself for 30 seconds
# under Xvfb, and the board repaint benchmark. Usage: measure.sh [BUILD_DIR]   (default: build)
set -euo pipefail

build=${1:-build}
game="$build/ui/stonewick"
repaint="$build/bench/window/board_repaint_bench"
play_seconds=${PLAY_SECONDS:-30}

# The virtual display, the scratch directory and the figures' helpers.
# shellcheck source-path=SCRIPTDIR source=figures.sh
source "$(dirname "$0")/figures.sh"

need "$game" "$repaint"
bash "$(dirname "$0")/../startup/measure.sh" "$build"

start_xvfb "$work" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

# Level 5 playing by itself: Skip four times, then Auto, through the menu's accelerators.
launch $((play_seconds + 60)) "$game" || exit 1
window=$(wait_for_game_window 10) || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
for _ in 1 2 3 4; do
  xdotool key alt+k
  sleep 0.3
done
xdotool key alt+a
sleep 2

echo "CPU while level 5 plays for $play_seconds s: $(cpu_percent "$player" "$play_seconds")% of one" \
  "core (target under 2%)"
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

echo "Board repaint (offscreen, Google Benchmark):"
QT_QPA_PLATFORM=offscreen "$repaint" --benchmark_min_time=0.5 2>/dev/null |
  grep -E '^(FullRepaint|RedrawBoard)' | sed 's/^/  /'
echo "  (target: full repaint under 100 microseconds)"
