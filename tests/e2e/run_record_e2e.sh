#!/usr/bin/env bash
# Records a game played in a private X server, replays the recording and watches it in the
# window. The play: keys and clicks on the board with the timers running, a smash with the
# first Power, Pause and Resume, the Instructions and About windows, Skip through every level
# and past the last one, whose box is answered with Return while the baddies roam, then Pause
# and Exit. The replay must end in the very state the recording ends with, every checkpoint
# on the way must match, and that state's board must be the one on the screen when the game
# ended. Played back in the window at 16 times the pace, the game must end on the same board
# and say it played back exactly; jumps to the start and to the end must show the boards of
# those two states. Watched once more with --record, T three seconds in gives the controls
# back: the game plays on, and the new recording begins with the old one's lines up to there
# and checks whole.
# Usage: run_record_e2e.sh STONEWICK BOARD_CHECK STONEWICK_REPLAY
set -euo pipefail

game_binary=$1
board_check=$2
replay=$3
here=$(cd "$(dirname "$0")" && pwd)

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"
recording="$work/game.rec"

fail() {
  echo "FAIL: $*" >&2
  [[ -s "$work/game.log" ]] && sed 's/^/  game: /' "$work/game.log" >&2
  # What was played, without the timers' ticks, and what the replay's boxes said.
  [[ -s "$recording" ]] && grep -Ev '^(>+[0-9]+ )?(wait [0-9]+|tick|slow|bad)$|^#= ' "$recording" |
    sed 's/^/  recording: /' >&2
  [[ -s "$work/replay.out" ]] && grep -E '^(info|confirm|closed)' "$work/replay.out" |
    sed 's/^/  replay: /' >&2
  exit 1
}

start_e2e_display

# The game can never outlive the test, even if the Exit step fails.
timeout 60 "$game_binary" --record "$recording" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(wait_for_game_window 10) || fail "no window named Stonewick appeared"
# No window manager runs: give the window the keyboard focus directly.
xdotool windowfocus "$window"
# Where the board is on the screen, once it has been painted.
board_at=""
for _ in $(seq 8); do
  sleep 0.5
  import -window root "$work/open.png"
  board_at=$("$board_check" where "$work/open.png" 2>/dev/null) && break
done
[[ -n "$board_at" ]] || fail "no board on the screen"
read -r board_x board_y <<<"$board_at"

click_cell() {
  xdotool mousemove $((board_x + $1 * 16 + 8)) $((board_y + $2 * 16 + 8)) click 1
  sleep 0.2
}
# A window that the game opened, other than those it had open already.
new_window() {
  local name=$1 known=$2 id
  for _ in $(seq 30); do
    for id in $(xdotool search --onlyvisible --name "$name" 2>/dev/null || true); do
      [[ " $known " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Level 1: the player faces the brick on its right (the first key starts the timers) and
# smashes it with the Power it starts with, then walks, away from the baddies, and turns by
# clicks.
press Right b
sleep 0.8
press Left Right Up Down space
click_cell 10 10
click_cell 3 4
click_cell 10 10
# Pause, Resume (its own accelerator), Start, and Pause again: from here until Auto nothing
# moves, so no baddie can catch the player while the levels change.
press alt+p
sleep 0.4
press alt+r alt+s
sleep 0.4
press alt+p
# Instructions and About open beside the board, out of its way; About is closed with Esc.
press alt+i
instructions=$(new_window '^Stonewick - instructions$' "") || fail "Instructions did not open"
xdotool windowmove "$instructions" 0 0
xdotool windowfocus "$window"
press alt+b
about=$(new_window '^About$' "") || fail "About did not open"
xdotool windowmove "$about" 0 600
xdotool windowfocus "$about"
sleep 0.2
press Escape
xdotool windowfocus "$window"
sleep 0.3

# Levels 2 to 5, then Auto takes the player off the board and the baddies roam.
press alt+k alt+k alt+k alt+k alt+a
sleep 0.5
# Past the last level: the box stays open for a while with the timers running.
press alt+k
box=$(new_window '^Stonewick$' "$window") || fail "no box after the last level"
sleep 1
xdotool windowfocus "$box"
sleep 0.2
press Return
xdotool windowfocus "$window"
sleep 0.5
click_cell 5 5
# Auto left Pause reading Resume: Resume, then Pause.
press alt+r

# Paused, the board stands still for the last screenshot; then Exit.
press alt+p
sleep 0.5
import -window root "$work/final.png"
exit_by alt+e Exit

# The recording: replayable events, some ran inside others, and the final state.
[[ $(sed -n 2p "$recording") == manual ]] || fail "the recording does not start manual play"
grep -q '^key 66$' "$recording" || fail "the smash is not recorded"
grep -q '^>' "$recording" || fail "no event recorded inside another"
grep -q '^reading ' "$recording" || fail "no clock reading recorded"
[[ $(tail -n 1 "$recording") == "menu exit" ]] || fail "the recording does not end with Exit"
(($(grep -c '^#~ ' "$recording") > 100)) || fail "the recording has few checkpoints"
"$replay" --check "$recording" >"$work/replay.out" 2>"$work/replay.err" ||
  fail "the replay differs: $(cat "$work/replay.err")"
grep -qx 'info "Sorry, there are no more levels, you win! "' "$work/replay.out" ||
  fail "the replay did not skip past the last level"
"$board_check" final "$work/final.png" "$recording" >"$work/final.log" 2>&1 ||
  fail "the screen differs from the recorded state: $(cat "$work/final.log")"

# Watched in the window: + four times makes 16x. The boxes open at the pointer, which is kept
# away from the window so that they cover no part of the board.
xdotool mousemove 0 0
# The window named after the recording it plays, in `window`, given the keyboard focus.
find_watching_window() {
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Stonewick - game.rec$' 2>/dev/null |
      head -n1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || fail "no window plays the recording"
  xdotool windowfocus "$window"
}
timeout 120 "$game_binary" --play "$recording" >"$work/play.out" 2>"$work/game.log" &
game_pid=$!
find_watching_window
press plus plus plus plus
# The verdict box at the end of the recording.
wait_for_verdict() {
  box=$(new_window '^Stonewick$' "$window") || box=$(new_window '^Stonewick$' "$window") ||
    fail "no box at the end of the playback: $(cat "$work/play.out")"
}
for _ in $(seq 10); do
  grep -q . "$work/play.out" && break
  sleep 1
done
wait_for_verdict
[[ $(cat "$work/play.out") == "The game played back exactly as recorded: "*" checkpoints and 1 state compared." ]] ||
  fail "the playback says: $(cat "$work/play.out")"
# The Instructions window opens where it stands by design, over the board: out of its way.
for id in $(xdotool search --onlyvisible --name "^Stonewick - instructions$" 2>/dev/null); do
  xdotool windowmove "$id" 0 0
done
sleep 0.3
import -window root "$work/played.png"
"$board_check" final "$work/played.png" "$recording" >"$work/final.log" 2>&1 ||
  fail "the board played back differs from the recorded state: $(cat "$work/final.log")"
xdotool windowfocus "$box"
press Return
# Paused, Home shows the start and End the state before the last event, the final one.
xdotool windowfocus "$window"
press space Home
sleep 0.5
import -window root "$work/home.png"
"$board_check" start "$work/home.png" >"$work/home.log" 2>&1 ||
  fail "Home does not show the start: $(cat "$work/home.log")"
press End
sleep 0.5
import -window root "$work/end.png"
"$board_check" final "$work/end.png" "$recording" >"$work/end.log" 2>&1 ||
  fail "End does not show the final state: $(cat "$work/end.log")"
xdotool windowfocus "$window"
sleep 0.2
xdotool key alt+e
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ $status -eq 0 ]] || fail "the playback ended with status $status"

# Watched again, with the controls taken some seconds in: the game plays on from there, and
# --record's file holds the old recording's lines up to there, then the live game.
continued="$work/continued.rec"
timeout 60 "$game_binary" --play "$recording" --record "$continued" >"$work/play.out" \
  2>"$work/game.log" &
game_pid=$!
find_watching_window
sleep 3
press t
for _ in $(seq 30); do
  [[ $(xdotool getwindowname "$window" 2>/dev/null) == Stonewick ]] && break
  sleep 0.1
done
[[ $(xdotool getwindowname "$window") == Stonewick ]] || fail "T did not give the controls back"
press Left Up Right
sleep 1
xdotool key alt+e
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ $status -eq 0 ]] || fail "the game played on ended with status $status"
kept=$(sed -n 's/^# Continued from game.rec at line \([0-9]*\)$/\1/p' "$continued")
[[ -n "$kept" ]] || fail "the continued recording does not say where it continues from"
cmp -s <(head -n "$kept" "$recording") <(sed -n "3,$((kept + 2))p" "$continued") ||
  fail "the continued recording does not begin with the old one's first $kept lines"
"$replay" --check "$continued" >"$work/continued.out" 2>"$work/continued.err" ||
  fail "the continued recording does not check: $(cat "$work/continued.err")"
echo "PASS: $(grep -c . "$recording") lines recorded, replayed and played back to the same state" \
  "and board; taken over after $kept of them and checked"
