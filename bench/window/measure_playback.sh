#!/usr/bin/env bash
# Prints the figures of watching a recording in the window, with an hour-long recording made by
# make_recording: how long a jump takes (to its end, middle and start), the start-up of
# `stonewick --play` to its first painted frame beside a plain start and beside reading the
# recording through the replay tool, and the CPU used while it plays at 1x and while paused,
# beside live play. Usage: measure_playback.sh [BUILD_DIR]   (default: build)
set -euo pipefail

build=${1:-build}
game="$build/ui/stonewick"
replay="$build/replay/stonewick-replay"
make_recording="$build/bench/make_recording"
jump_bench="$build/bench/window/playback_jump_bench"
runs=${RUNS:-9}
play_seconds=${PLAY_SECONDS:-30}

# The virtual display, the scratch directory and the figures' helpers.
# shellcheck source-path=SCRIPTDIR source=figures.sh
source "$(dirname "$0")/figures.sh"

need "$game" "$replay" "$make_recording" "$jump_bench"
recording="$work/hour.rec"
"$make_recording" 60 >"$recording"
echo "An hour of play: $(wc -l <"$recording") lines, $(($(stat -c %s "$recording") / 1024)) kB"

echo "Jumps in the window (offscreen, Google Benchmark; target well under 500 ms):"
STONEWICK_RECORDING="$recording" "$jump_bench" --benchmark_min_time=0.5 2>/dev/null |
  grep -E '^Jump' | sed 's/^/  /'

start_xvfb "$work" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 1; }
start_once "$game" >/dev/null  # warm the file cache
for _ in $(seq "$runs"); do
  start_once "$game" >>"$work/plain"
  start_once "$game" --play "$recording" >>"$work/play"
  before=$(date +%s%N)
  "$replay" "$recording" >/dev/null
  echo $(($(date +%s%N) - before)) >>"$work/read"
done
echo "Start-up to the first painted frame (median of $runs runs):"
awk -v p="$(awk '{print $1}' "$work/plain" | median)" \
  -v w="$(awk '{print $1}' "$work/play" | median)" -v r="$(median <"$work/read")" 'BEGIN {
  printf "  plain %.1f ms; --play with the hour %.1f ms; the replay tool reading it %.1f ms;\n",
         p / 1e6, w / 1e6, r / 1e6
  printf "  --play minus plain start %.1f ms\n", (w - p) / 1e6 }'

# The same game live and played back: level 5 playing by itself (Skip four times, then Auto),
# recorded, then the recording watched at 1x over the same stretch, then paused.
launch $((play_seconds + 60)) "$game" --record "$work/live.rec" || exit 1
window=$(wait_for_game_window 10) || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowfocus "$window"
sleep 0.5
for _ in 1 2 3 4; do
  xdotool key alt+k
  sleep 0.3
done
xdotool key alt+a
sleep 2
live=$(cpu_percent "$player" "$play_seconds")
xdotool key alt+e
wait "$game_pid" 2>/dev/null || true

launch $((2 * play_seconds + 60)) "$game" --play "$work/live.rec" || exit 1
sleep 4.2
played=$(cpu_percent "$player" "$play_seconds")
window=$(xdotool search --onlyvisible --name '^Stonewick - live.rec$' | head -n1)
xdotool windowfocus "$window"
xdotool key space
sleep 1
paused=$(cpu_percent "$player" "$play_seconds")
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""
echo "CPU over $play_seconds s of level 5 playing by itself, share of one core: live" \
  "${live}%, played back at 1x ${played}%, paused ${paused}%"
