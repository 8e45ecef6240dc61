# shellcheck shell=bash
# Sourced by the figure scripts: the virtual display helpers of scripts/xvfb.sh, a scratch
# directory in `work` removed on exit with the game (its `timeout` process is kept in
# `game_pid`) and the X server, and these:
# need PROGRAM...: stops the script unless every program has been built.
# start_once PROGRAM [ARGS...]: starts the program once and prints the nanoseconds from launch
#   to its first painted frame, its peak resident kB and the nanoseconds of processor time it
#   took until then.
# median: the median of the numbers on standard input, one a line.
# launch SECONDS PROGRAM [ARGS...]: starts the program for at most SECONDS in the background,
#   with `game_pid` its `timeout` and `player` the program itself.
# cpu_percent PID SECONDS: the share of one core, in per cent, PID uses over SECONDS seconds.

# shellcheck source-path=SCRIPTDIR source=../../scripts/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
trap cleanup EXIT

need() {
  local program
  for program in "$@"; do
    [[ -x "$program" ]] || { echo "missing $program: build first" >&2; exit 1; }
  done
}

start_once() {
  local before line
  before=$(date +%s%N)
  line=$(STONEWICK_EXIT_AFTER_FIRST_PAINT=1 timeout 30 "$@" 2>/dev/null | grep '^first-paint-ns')
  echo "$(($(awk '{print $2}' <<<"$line") - before)) $(awk '{print $4, $6}' <<<"$line")"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

launch() {
  local seconds=$1
  shift
  timeout "$seconds" "$@" >/dev/null 2>&1 &
  game_pid=$!
  player=""
  for _ in $(seq 50); do
    player=$(pgrep -P "$game_pid" | head -n1 || true)
    [[ -n "$player" ]] && return 0
    sleep 0.1
  done
  echo "$1 did not start" >&2
  return 1
}

cpu_percent() {
  local pid=$1 seconds=$2 before after
  # utime and stime, fields 14 and 15; the command name in field 2 has no blanks here.
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
    'BEGIN { printf "%.2f", 100 * t / hz / s }'
}
