#!/usr/bin/env bash
# A game played in German in a private X server and recorded: the menu answers its German Alt
# letters, the windows carry German titles, and the recording holds the game's own English
# words, so stonewick-replay --check finds every checkpoint as a game played in English
# leaves it.
# Usage: run_language_e2e.sh STONEWICK STONEWICK_REPLAY
set -euo pipefail

game_binary=$1
replay=$2
here=$(cd "$(dirname "$0")" && pwd)

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"
recording="$work/game.rec"

start_e2e_display
env -u LC_ALL -u LC_MESSAGES LANGUAGE=de timeout 60 "$game_binary" --record "$recording" \
  >"$work/game.log" 2>&1 &
game_pid=$!
window=$(wait_for_game_window 10) || fail "no window named Stonewick appeared"
xdotool windowfocus "$window"
sleep 0.5

# A smash and a few steps, then Pause and Weiter (Resume) by their German letters.
press Right b Left Up space alt+p
sleep 0.3
press alt+w
# Anleitung (Instructions) opens its window under its German title.
press alt+a
wait_for_window '^Stonewick - Anleitung$' 5 >/dev/null || fail "no window Stonewick - Anleitung"
xdotool windowfocus "$window"
sleep 0.2
# Beenden (Exit).
exit_by alt+b "Alt+B (Beenden)"

grep -qx 'menu instructions' "$recording" || fail "the recording does not hold Anleitung"
(($(grep -cx 'menu pause' "$recording") == 2)) || fail "the recording lacks Pause and Weiter"
[[ $(tail -n 1 "$recording") == "menu exit" ]] || fail "the recording does not end with Exit"
"$replay" --check "$recording" >"$work/replay.out" 2>"$work/replay.err" ||
  fail "the replay differs: $(cat "$work/replay.err")"
echo "PASS: a game played in German checks as recorded: $(cat "$work/replay.err")"
