#!/usr/bin/env bash
# Games played in the window with --hall and sent to a hall started for the test (a free
# loopback port, a scratch SQLite database): the first asks the player's name, and the hall's
# token is kept in the user's config folder, readable by the user alone; the second goes under
# the remembered name with that token; a third, with --daily, plays the day's board past level
# 1 and is taken as that day's game. Every one must then be listed by GET /api/games.
# Usage: run_hall_e2e.sh STONEWICK STONEWICK_HALL
set -euo pipefail

game_binary=$1
hall_binary=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"
hall_pid=""
stop_hall_and_session() {
  if [[ -n "$hall_pid" ]] && kill -0 "$hall_pid" 2>/dev/null; then
    kill "$hall_pid" 2>/dev/null || true
    wait "$hall_pid" 2>/dev/null || true
  fi
  cleanup
}
trap stop_hall_and_session EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -s "$work/game.log" ]] && sed 's/^/  game: /' "$work/game.log" >&2
  [[ -s "$work/hall.log" ]] && sed 's/^/  hall: /' "$work/hall.log" >&2
  exit 1
}

# The user's folders are the test's own.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -p "$HOME"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
hall="http://127.0.0.1:$port"
"$hall_binary" --listen "127.0.0.1:$port" --db "$work/hall.sqlite" >"$work/hall.log" 2>&1 &
hall_pid=$!
for _ in $(seq 50); do
  curl -sf "$hall/api/daily" >/dev/null 2>&1 && break
  sleep 0.1
done
curl -sf "$hall/api/daily" >/dev/null || fail "the hall did not start"

start_e2e_display

# A window titled `title` that is not among `known`.
new_window() {
  local title=$1 known=$2 id
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null || true); do
      [[ " $known " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Plays a short game with the options given, ends it with Exit, and sends it (typing `name`
# when it is not empty). The game must end with status 0 once the hall's answer is read.
play_and_send() {
  local name=$1 offer answer status=0
  shift
  timeout 60 "$game_binary" --hall "$hall" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  local window
  window=$(wait_for_game_window 10) || fail "no window named Stonewick appeared"
  xdotool windowfocus "$window"
  sleep 1
  # The first key starts the timers; Skip leaves level 1 for level 2, laid out from a clock
  # reading.
  press Right alt+k
  sleep 0.5
  press alt+e
  offer=$(new_window '^Send to the hall$' "") || fail "no offer to send the game"
  xdotool windowfocus "$offer"
  sleep 0.3
  if [[ -n "$name" ]]; then
    xdotool type --delay 50 "$name"
  fi
  press Return
  answer=$(new_window '^Send to the hall$' "$offer") || fail "no answer from the hall shown"
  xdotool windowfocus "$answer"
  press Return
  for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$game_pid" || status=$?
  game_pid=""
  [[ $status -eq 0 ]] || fail "the game ended with status $status"
}

play_and_send Anna
tokens="$XDG_CONFIG_HOME/stonewick/hall-tokens"
[[ -f "$tokens" ]] || fail "no token kept in $tokens"
[[ $(stat -c %a "$tokens") == 600 ]] || fail "$tokens is readable by others"
grep -qP "^$hall\tAnna\t[0-9a-f]{64}$" "$tokens" || fail "the token file holds no token for Anna"
[[ $(find "$XDG_DATA_HOME/stonewick/hall-games" -type f | wc -l) -eq 1 ]] ||
  fail "the game was not recorded in the data folder"

# The name is asked no more, and the token goes with the game: the hall takes it as Anna's.
play_and_send ""
day=$(curl -sf "$hall/api/daily" | python3 -c 'import json, sys; print(json.load(sys.stdin)["day"])')
play_and_send "" --daily

listed() {
  curl -sf "$hall/api/games?player=Anna$1" |
    python3 -c 'import json, sys; print(len(json.load(sys.stdin)["games"]))'
}
[[ $(listed "") -eq 3 ]] || fail "the hall lists $(listed "") of Anna's 3 games"
[[ $(listed "&daily=$day") -eq 1 ]] || fail "the daily game is not on the board of $day"
echo "PASS: three games sent from the window, one of them the day's"
