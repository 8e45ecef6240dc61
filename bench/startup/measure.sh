#!/usr/bin/env bash
# Prints the window's start-up beside a bare one-window Qt program, both measured in the same
# run under Xvfb: the processor time and the wall-clock time from launch to the first painted
# frame and the peak memory then (medians of RUNS turns, the two programs taking turns so that
# a busy machine slows both alike), and the instructions each runs to its first frame under
# callgrind, a count that comes out the same from run to run. Builds the two programs first.
#   bench/startup/measure.sh [BUILD_DIR]   (default build; RUNS=15; GAME=another stonewick
#                                           to weigh in its place; CALLGRIND=0 to skip it)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
runs=${RUNS:-15}
bash "$root/scripts/install-deps.sh" play display bench
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" >/dev/null
fi
cmake --build "$build" --target stonewick bare_window >/dev/null
game=${GAME:-$build/ui/stonewick}
bare="$build/bench/startup/bare_window"

# The virtual display, the scratch directory and start_once, median.
# shellcheck source-path=SCRIPTDIR source=../window/figures.sh
source "$root/bench/window/figures.sh"

need "$game" "$bare"
start_xvfb "$work" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 1; }

# One turn: both programs once, in an order that changes from turn to turn, and the ratios.
start_once "$game" >/dev/null  # warm the file cache
start_once "$bare" >/dev/null
for turn in $(seq "$runs"); do
  if ((turn % 2)); then
    game_line=$(start_once "$game")
    bare_line=$(start_once "$bare")
  else
    bare_line=$(start_once "$bare")
    game_line=$(start_once "$game")
  fi
  echo "$game_line $bare_line" >>"$work/turns"
done
# Columns: game wall ns, game kB, game processor ns, then the same of the bare window.
column_median() { awk -v c="$1" '{print $c}' "$work/turns" | median; }
ratio_median() { awk -v a="$1" -v b="$2" '{printf "%.4f\n", $a / $b}' "$work/turns" | median; }
ratio_range() {
  awk -v a="$1" -v b="$2" '{print $a / $b}' "$work/turns" | sort -n |
    awk '{r[NR] = $1} END {printf "%.2f to %.2f", r[int(NR / 4) + 1], r[int(3 * NR / 4) + 1]}'
}

# start_up WHAT GAME_COLUMN BARE_COLUMN: one line of times and their ratio.
start_up() {
  awk -v what="$1" -v g="$(column_median "$2")" -v b="$(column_median "$3")" \
    -v r="$(ratio_median "$2" "$3")" -v spread="$(ratio_range "$2" "$3")" -v n="$runs" 'BEGIN {
    printf "start-up to first frame, %s: stonewick %.1f ms, bare window %.1f ms, ratio %.2f " \
           "(median of %d turns, middle half %s; target at most 1.03)\n",
           what, g / 1e6, b / 1e6, r, n, spread }'
}
start_up "processor time" 3 6
start_up "wall clock" 1 4
awk -v g="$(column_median 2)" -v b="$(column_median 5)" -v r="$(ratio_median 2 5)" 'BEGIN {
  printf "peak memory at first frame: stonewick %d kB, bare window %d kB, ratio %.3f " \
         "(target at most 1.03)\n", g, b, r }'

# Instructions of the program itself, not of the children some desktops fork from it.
instructions() {
  local log="$work/callgrind.log"
  STONEWICK_EXIT_AFTER_FIRST_PAINT=1 valgrind --tool=callgrind \
    --callgrind-out-file="$work/callgrind.out.%p" --log-file="$log" "$@" >/dev/null 2>&1
  local main
  main=$(sed -n '1s/^==\([0-9]*\)==.*/\1/p' "$log")
  sed -n "s/^==$main== Collected : \([0-9]*\)/\1/p" "$log"
}
if [[ "${CALLGRIND:-1}" != 0 ]] && command -v valgrind >/dev/null; then
  awk -v g="$(instructions "$game")" -v b="$(instructions "$bare")" 'BEGIN {
    printf "instructions to first frame (callgrind): stonewick %.1f M, bare window %.1f M, " \
           "ratio %.3f\n", g / 1e6, b / 1e6, g / b }'
fi
