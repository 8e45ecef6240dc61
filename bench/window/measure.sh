#!/usr/bin/env bash
# Prints the window figures side by side: time from start to first painted frame and peak
# memory of the game and of a minimal Qt window (median of several runs each, under Xvfb),
# the game's CPU use while level 5 plays by itself for 30 seconds, and the board repaint
# benchmark. Usage: measure.sh [BUILD_DIR]   (default: build)
set -euo pipefail

build=${1:-build}
game="$build/ui/stonewick"
minimal="$build/bench/window/window_minimal"
repaint="$build/bench/window/board_repaint_bench"
runs=${RUNS:-9}
play_seconds=${PLAY_SECONDS:-30}

# The virtual display, the scratch directory and the figures' helpers.
# shellcheck source-path=SCRIPTDIR source=figures.sh
source "$(dirname "$0")/figures.sh"

need "$game" "$minimal" "$repaint"

start_xvfb "$work" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

# The two programs take turns, so a busy machine slows both alike.
start_once "$game" >/dev/null  # warm the file cache
start_once "$minimal" >/dev/null
for _ in $(seq "$runs"); do
  start_once "$game" >>"$work/game"
  start_once "$minimal" >>"$work/minimal"
done
game_ns=$(awk '{print $1}' "$work/game" | median)
game_kb=$(awk '{print $2}' "$work/game" | median)
minimal_ns=$(awk '{print $1}' "$work/minimal" | median)
minimal_kb=$(awk '{print $2}' "$work/minimal" | median)

echo "Start-up to first painted frame (median of $runs runs):"
awk -v g="$game_ns" -v m="$minimal_ns" 'BEGIN {
  printf "  stonewick %.1f ms, minimal window %.1f ms, ratio %.2f (target at most 1.15)\n",
         g / 1e6, m / 1e6, g / m }'
echo "Peak resident memory at first frame (median):"
awk -v g="$game_kb" -v m="$minimal_kb" 'BEGIN {
  printf "  stonewick %d kB, minimal window %d kB, ratio %.2f (target at most 1.15)\n", g, m, g / m }'

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
