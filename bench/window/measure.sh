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

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=../../scripts/xvfb.sh
source "$(dirname "$0")/../../scripts/xvfb.sh"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
trap cleanup EXIT

for program in "$game" "$minimal" "$repaint"; do
  [[ -x "$program" ]] || { echo "missing $program: build first" >&2; exit 1; }
done

start_xvfb "$work" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

# One start: nanoseconds from launch to the first painted frame, and peak resident kB.
start_once() {
  local before line
  before=$(date +%s%N)
  line=$(STONEWICK_EXIT_AFTER_FIRST_PAINT=1 timeout 30 "$1" 2>/dev/null | grep '^first-paint-ns')
  echo "$(( $(awk '{print $2}' <<<"$line") - before )) $(awk '{print $4}' <<<"$line")"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

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
timeout $((play_seconds + 60)) "$game" >/dev/null 2>&1 &
game_pid=$!
# The game itself is the child of timeout.
player=""
for _ in $(seq 50); do
  player=$(pgrep -P "$game_pid" | head -n1 || true)
  [[ -n "$player" ]] && break
  sleep 0.1
done
[[ -n "$player" ]] || { echo "the game did not start" >&2; exit 1; }
window=$(wait_for_game_window 10) || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
for _ in 1 2 3 4; do
  xdotool key alt+k
  sleep 0.3
done
xdotool key alt+a
sleep 2

ticks_per_second=$(getconf CLK_TCK)
# utime and stime, fields 14 and 15; the command name in field 2 has no blanks here.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$player/stat"; }
before=$(cpu_ticks)
sleep "$play_seconds"
after=$(cpu_ticks)
awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$play_seconds" 'BEGIN {
  printf "CPU while level 5 plays for %d s: %.2f%% of one core (target under 2%%)\n",
         s, 100 * t / hz / s }'
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

echo "Board repaint (offscreen, Google Benchmark):"
QT_QPA_PLATFORM=offscreen "$repaint" --benchmark_min_time=0.5 2>/dev/null |
  grep -E '^(FullRepaint|RedrawBoard)' | sed 's/^/  /'
echo "  (target: full repaint under 100 microseconds)"
