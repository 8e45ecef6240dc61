#!/usr/bin/env bash
# Plays the real program in a private X server: checks the opening board, turns the player
# with an arrow key, checks again, and ends the program with its Exit accelerator.
# Usage: run_e2e.sh STONEWICK BOARD_CHECK
set -euo pipefail

game_binary=$1
board_check=$2
here=$(cd "$(dirname "$0")" && pwd)

# The virtual display, the game's window, `fail` and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

start_e2e_display

# The game can never outlive the test, even if the Exit step fails.
timeout 60 "$game_binary" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(wait_for_game_window 10) || fail "no window named Stonewick appeared"
# No window manager runs: give the window the keyboard focus directly.
xdotool windowfocus "$window"
sleep 0.5

# Screenshots until the board shows what is expected, for a few seconds at most.
board_shows() {
  local what=$1
  for _ in $(seq 8); do
    import -window root "$work/$what.png"
    "$board_check" "$what" "$work/$what.png" >"$work/$what.log" 2>&1 && return 0
    sleep 0.5
  done
  cat "$work/$what.log" >&2
  return 1
}

board_shows start || fail "the opening board is not level 1"
xdotool key --clearmodifiers Right
board_shows turned || fail "the player did not turn right"

exit_by alt+e Exit
echo "PASS: opened on level 1, turned the player, ended with Exit"
