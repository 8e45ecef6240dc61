# shellcheck shell=bash
# Sourced by the scripts that run the game on a virtual X display. Those scripts keep their
# scratch directory in `work`, the game's process id in `game_pid` and the X server's in
# `xvfb_pid` (either empty while nothing runs).
# start_xvfb WORK_DIR SCREEN: starts Xvfb on a display number it picks itself, sets
# xvfb_pid and exports DISPLAY; returns non-zero when the server does not come up.
# start_window_manager: starts openbox on that display, sets wm_pid, and returns once it
# manages windows; non-zero when it does not within five seconds.
# wait_for_window NAME [SECONDS]: prints the id of a visible window whose name matches the
# pattern NAME once one shows (SECONDS at most, 10 by default); non-zero when none does.
# wait_for_game_window [SECONDS]: the same for the game's main window.
# stop_session: stops the game, the window manager (`wm_pid`) and the X server if they still
# run, and waits for them.
# cleanup: for `trap cleanup EXIT`: stop_session, then removes the scratch directory.

start_xvfb() {
  local work="$1" screen="$2" display
  # Xvfb writes the display number it chose to descriptor 3. A file left by an earlier server
  # must not be read as this one's number before the new one empties it.
  # -noreset: the server must not restart when its last client leaves, or a game started
  # again at that moment finds no display.
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || return 1
  display="$(head -n1 "$work/display")"
  export DISPLAY=":$display"
  export QT_QPA_PLATFORM=xcb
}

start_window_manager() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  # A window manager announces itself with a window named on the root window.
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  return 1
}

wait_for_window() {
  local name="$1" seconds="${2:-10}" window=""
  for _ in $(seq $((seconds * 10))); do
    window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || return 1
  echo "$window"
}

wait_for_game_window() {
  wait_for_window '^Stonewick$' "${1:-10}"
}

# Under `set -e` a command failing here would replace the status the script leaves with, so
# nothing here may fail: a process that is already gone is no error.
stop_session() {
  local pid
  for pid in "${game_pid:-}" "${wm_pid:-}" "${xvfb_pid:-}"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  game_pid=""
  wm_pid=""
  xvfb_pid=""
}

cleanup() {
  stop_session
  if [ -n "${work:-}" ]; then
    rm -rf "$work"
  fi
}
