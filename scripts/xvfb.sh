# Sourced by the scripts that run the game on a virtual X display.
# start_xvfb WORK_DIR SCREEN: starts Xvfb on a display number it picks itself, sets
# xvfb_pid and exports DISPLAY; returns non-zero when the server does not come up.
# wait_for_game_window: prints the id of the game's main window once it shows (10 s at most).

start_xvfb() {
  local work="$1" screen="$2"
  # Xvfb writes the display number it chose to descriptor 3.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
}

wait_for_game_window() {
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Stonewick$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || return 1
  echo "$window"
}
