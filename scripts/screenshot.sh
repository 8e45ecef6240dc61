#!/usr/bin/env bash
# Regenerates the screenshots: builds the game, starts it on a virtual X display, plays a few
# moves and photographs its window: docs/screenshot.png, and under openbox, frame and all,
# docs/languages/LANG.png in each language the game speaks.
# Usage: scripts/screenshot.sh [BUILD_DIR]   (build-play/, play.sh's, unless given)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-play}"
bash scripts/install-deps.sh play display
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)" --target stonewick

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=xvfb.sh
source scripts/xvfb.sh
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
wm_pid=""
trap cleanup EXIT

# photograph LANGUAGE FILE [import's options]: the game in LANGUAGE ("en" for its own), a few
# moves into level 1.
photograph() {
  local language=$1 file=$2 window
  shift 2
  env -u LC_ALL -u LC_MESSAGES LANGUAGE="$language" QT_QPA_PLATFORM=xcb \
    "$build/ui/stonewick" 2>"$work/game.log" &
  game_pid=$!
  window="$(wait_for_game_window 20)" || { echo "the game's window did not appear" >&2; exit 1; }
  xdotool windowmove "$window" 8 8 windowfocus --sync "$window"
  sleep 1
  # The first key starts play; a few steps and a push show the player at work.
  for key in Down Down Right Right space Up; do
    xdotool key --window "$window" "$key"
    sleep 0.3
  done
  sleep 1.5
  import "$@" -window "$window" "$file"
  kill "$game_pid"
  wait "$game_pid" || true
  game_pid=""
  echo "wrote $file"
}

start_xvfb "$work" 640x480x24 || { echo "Xvfb did not start" >&2; exit 1; }
photograph en docs/screenshot.png

start_window_manager || { echo "openbox did not start" >&2; exit 1; }
mkdir -p docs/languages
for catalogue in translations/stonewick_*.ts; do
  language=${catalogue#translations/stonewick_}
  photograph "${language%.ts}" "docs/languages/${language%.ts}.png" -frame
done
photograph en docs/languages/en.png -frame
