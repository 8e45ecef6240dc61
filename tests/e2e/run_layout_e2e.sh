#!/usr/bin/env bash
# A game played in a private X server with the Russian keyboard layout active and recorded:
# the key that a US layout labels B writes и here, and still smashes the brick in front of
# the player with its one Power. The recording holds the US key code 66, never 0, ends with
# no Power left, and checks with stonewick-replay --check.
# Usage: run_layout_e2e.sh STONEWICK STONEWICK_REPLAY
set -euo pipefail

game_binary=$1
replay=$2
here=$(cd "$(dirname "$0")" && pwd)

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"
recording="$work/game.rec"

start_e2e_display
setxkbmap -layout ru || fail "setxkbmap could not set the Russian layout"
[[ $(setxkbmap -query) == *"layout:     ru"* ]] || fail "the layout is not ru: $(setxkbmap -query)"
timeout 60 "$game_binary" --record "$recording" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(wait_for_game_window 10) || fail "no window named Stonewick appeared"
# Keys go to the focused window: on a busy machine the focus can take a while.
for _ in $(seq 50); do
  xdotool windowfocus "$window" 2>/dev/null
  [[ $(xdotool getwindowfocus 2>/dev/null) == "$window" ]] && break
  sleep 0.1
done
sleep 0.5

# The player faces the brick on its right; Cyrillic_i is what the B key writes on this layout,
# so xdotool presses that very key. Each block reaches the file as it ends.
press Right Cyrillic_i
for _ in $(seq 50); do
  grep -q '^key 66$' "$recording" 2>/dev/null && break
  sleep 0.1
done
sleep 0.3
exit_by alt+e Exit

grep -qx 'key 66' "$recording" || fail "the B key is not recorded as key 66"
grep -qx 'key 0' "$recording" && fail "a key is recorded as key 0"
grep -qE '^#= state [0-9]+ running [01] level 1 powers 0 ' "$recording" ||
  fail "the Power was not spent: $(grep '^#= state' "$recording")"
"$replay" --check "$recording" >"$work/replay.out" 2>"$work/replay.err" ||
  fail "the replay differs: $(cat "$work/replay.err")"
echo "PASS: B smashes on the Russian layout: $(cat "$work/replay.err")"
