# shellcheck shell=bash
# Sourced by the end-to-end tests: the virtual display helpers of scripts/xvfb.sh, a scratch
# directory in `work` that is removed on exit together with the game and the X server,
# start_e2e_display, which starts a 1280x1024 X server for the game, fail MESSAGE, which
# says what failed with what the game wrote to `$work/game.log` and ends the test (a test
# that has more to show defines its own after sourcing this), press KEY..., which types
# the keys one by one as xdotool names them, and exit_by KEY WHAT, which types KEY and fails
# unless the game then ends within five seconds with status 0.
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../../scripts/xvfb.sh
source "$e2e_dir/../../scripts/xvfb.sh"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -s "$work/game.log" ]] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

start_e2e_display() {
  start_xvfb "$work" 1280x1024x24 || fail "Xvfb did not start"
  unset WAYLAND_DISPLAY
  # In a sanitizer build, leaks of the system's session bus library are not the game's.
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$e2e_dir/lsan.supp"
}

press() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.2
  done
}

exit_by() {
  local key=$1 what=$2 status=0
  press "$key"
  for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "$what did not end the program"
  wait "$game_pid" || status=$?
  game_pid=""
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}
