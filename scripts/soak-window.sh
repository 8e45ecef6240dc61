#!/usr/bin/env bash
# Soaks the real window on a virtual X display for SECONDS (default 60): random arrow keys,
# pushes, smashes, clicks on the board and menu commands by their Alt letters, with every
# dialog answered by Return as it comes. A watchdog pings the window (_NET_WM_PING) every
# couple of seconds: no answer within 10 s is a hang; the program dying is a crash. Exit is
# never chosen, but Alt+N at the game-over question answers No; a clean close like that
# starts the program again.
#   scripts/soak-window.sh 60 build/ui/stonewick build/tests/window_soak/window_ping    # as CTest
#   scripts/soak-window.sh 3600 build/ui/stonewick build/tests/window_soak/window_ping  # an hour
# Usage: scripts/soak-window.sh SECONDS STONEWICK WINDOW_PING; relative paths start at the top
# of the source tree; SOAK_SEED picks the run. WINDOW_PING is built with the tests
# (cmake --build build --target window_ping); without it the soak exits with status 2.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
game="${2:-build/ui/stonewick}"
ping_tool="${3:-}"
RANDOM="${SOAK_SEED:-1}"

if [ -z "$ping_tool" ] || [ ! -x "$ping_tool" ]; then
  echo "soak-window: no window_ping program${ping_tool:+ at $ping_tool}: build it with" \
    "'cmake --build build --target window_ping' and pass build/tests/window_soak/window_ping" >&2
  exit 2
fi

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=xvfb.sh
source scripts/xvfb.sh
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
trap cleanup EXIT

fail() {
  echo "soak-window: FAIL: $*" >&2
  if [ -s "$work/game.log" ]; then
    echo "--- the program's standard error (last lines):" >&2
    tail -n 40 "$work/game.log" >&2
  fi
  exit 1
}

start_xvfb "$work" 640x480x24 || fail "Xvfb did not start"
# Leaks are the replay soak's business; here only crashes and hangs count.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

main=""
starts=0
start_game() {
  "$game" 2>>"$work/game.log" &
  game_pid=$!
  starts=$((starts + 1))
  main="$(wait_for_game_window 30)" || fail "the main window did not appear"
  xdotool windowmove "$main" 0 0
}

# The program must be running; a clean close (status 0) starts it again.
check_alive() {
  if kill -0 "$game_pid" 2>/dev/null; then
    return
  fi
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program died with status $status"
  closes=$((closes + 1))
  start_game
}

# Every other visible window of the program gets Return: OK, or Yes to play again. The
# Instructions window takes it too, and stays.
dialogs=0
answer_dialogs() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null || true); do
    if [ "$window" != "$main" ]; then
      xdotool windowfocus "$window" key Return 2>/dev/null || true
      dialogs=$((dialogs + 1))
    fi
  done
}

# The program may close between the check and the ping (a Return or Escape at a box can end
# the game): its window is then gone (status 4) or silent, and a clean close is no failure.
pings=0
watchdog() {
  check_alive
  local status=0
  "$ping_tool" "$main" 10000 || status=$?
  if [ "$status" -eq 0 ]; then
    pings=$((pings + 1))
    return
  fi
  if [ "$status" -eq 4 ]; then
    for _ in $(seq 50); do
      kill -0 "$game_pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  if ! kill -0 "$game_pid" 2>/dev/null; then
    check_alive
    return
  fi
  case "$status" in
    3) fail "the main window takes no pings" ;;
    4) fail "the main window vanished while the program ran on" ;;
    *) fail "the window did not answer a ping within 10 s: the program hangs" ;;
  esac
}

keys=(Up Down Left Right)
others=(Return Escape a z F1 shift+Up ctrl+Down Home 1 alt+x)
# One random event, added to batch as xdotool words. It runs in this shell, never in $(...):
# a subshell draws from a freshly seeded RANDOM, and SOAK_SEED would no longer pick the run.
add_event() {
  local roll=$((RANDOM % 1000))
  if [ "$roll" -lt 500 ]; then
    batch+=(key --delay 2 "${keys[RANDOM % 4]}")
  elif [ "$roll" -lt 620 ]; then
    batch+=(key --delay 2 space)
  elif [ "$roll" -lt 680 ]; then
    batch+=(key --delay 2 b)
  elif [ "$roll" -lt 820 ]; then
    # Board cells only (the board lies at 14..365, 74..425 in the window): never the menu.
    batch+=(mousemove --window "$main" $((14 + RANDOM % 352)) $((74 + RANDOM % 352)) click 1)
  elif [ "$roll" -lt 835 ]; then
    batch+=(key --delay 2 alt+p)
  elif [ "$roll" -lt 860 ]; then
    batch+=(key --delay 2 "${keys[RANDOM % 4]}")
  elif [ "$roll" -lt 880 ]; then
    batch+=(key --delay 2 alt+s)
  elif [ "$roll" -lt 883 ]; then
    batch+=(key --delay 2 alt+k)
  elif [ "$roll" -lt 885 ]; then
    batch+=(key --delay 2 alt+a)
  elif [ "$roll" -lt 900 ]; then
    batch+=(key --delay 2 alt+c)
  elif [ "$roll" -lt 915 ]; then
    batch+=(key --delay 2 alt+n)
  elif [ "$roll" -lt 925 ]; then
    batch+=(key --delay 2 alt+i)
  elif [ "$roll" -lt 935 ]; then
    batch+=(key --delay 2 alt+b)
  else
    batch+=(key --delay 2 "${others[RANDOM % ${#others[@]}]}")
  fi
}

closes=0
events=0
start_game
began=$SECONDS
last_ping=$SECONDS
while [ $((SECONDS - began)) -lt "$seconds" ]; do
  check_alive
  answer_dialogs
  batch=(windowfocus "$main")
  for _ in $(seq 20); do
    add_event
  done
  xdotool "${batch[@]}" 2>/dev/null || true
  events=$((events + 20))
  if [ $((SECONDS - last_ping)) -ge 2 ]; then
    watchdog
    last_ping=$SECONDS
  fi
done
watchdog
[ -z "${SOAK_SHOT:-}" ] || import -window root "$SOAK_SHOT"

# A clean exit at the end: dialogs answered, then Exit from the menu.
for _ in $(seq 20); do
  answer_dialogs
  xdotool windowfocus "$main" key alt+e 2>/dev/null || true
  sleep 0.5
  kill -0 "$game_pid" 2>/dev/null || break
done
status=0
if kill -0 "$game_pid" 2>/dev/null; then
  fail "the program did not close on Exit"
fi
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status on Exit"
echo "soak-window: $events events in $((SECONDS - began)) s, $dialogs Returns to other windows," \
  "$pings pings answered, $starts starts ($closes closes on the way)"
