# shellcheck shell=bash
# Sourced by the end-to-end tests: the virtual display helpers of scripts/xvfb.sh, a scratch
# directory in `work` that is removed on exit together with the game and the X server, and
# start_e2e_display, which starts a 1280x1024 X server for the game (the caller's `fail`
# reports a server that does not come up).
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../../scripts/xvfb.sh
source "$e2e_dir/../../scripts/xvfb.sh"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
trap cleanup EXIT

start_e2e_display() {
  start_xvfb "$work" 1280x1024x24 || fail "Xvfb did not start"
  unset WAYLAND_DISPLAY
  # In a sanitizer build, leaks of the system's session bus library are not the game's.
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$e2e_dir/lsan.supp"
}
