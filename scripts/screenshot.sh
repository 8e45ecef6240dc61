#!/usr/bin/env bash
# Regenerates the screenshots: builds the game, starts it on a virtual X display, plays a few
# moves and photographs its window: docs/screenshot.png, and under openbox, frame and all,
# docs/languages/LANG.png in each language the game speaks; in a build with tests, German
# and Russian with every read-out at its largest (LANG-full.png); and Russian on the Russian
# keyboard layout after a smash with B (ru-layout.png).
# Usage: scripts/screenshot.sh [BUILD_DIR]   (build-play/, play.sh's, unless given)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-play}"
bash scripts/install-deps.sh play display
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)" --target stonewick
full_readouts="$build/tests/e2e/e2e_full_readouts"
if grep -q '^STONEWICK_TESTS:BOOL=ON' "$build/CMakeCache.txt"; then
  cmake --build "$build" -j"$(nproc)" --target e2e_full_readouts
fi

# The virtual display, the game's window and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=xvfb.sh
source scripts/xvfb.sh
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
wm_pid=""
trap cleanup EXIT

# photograph LANGUAGE FILE FRAME KEYS [PROGRAM]: PROGRAM (the game unless given) in LANGUAGE
# ("en" for its own) after the xdotool keys KEYS, photographed with its window manager's frame
# when FRAME is "frame".
photograph() {
  local language=$1 file=$2 frame=$3 keys=$4 program=${5:-$build/ui/stonewick} window key
  env -u LC_ALL -u LC_MESSAGES LANGUAGE="$language" QT_QPA_PLATFORM=xcb "$program" \
    2>"$work/game.log" &
  game_pid=$!
  window="$(wait_for_game_window 20)" || { echo "the game's window did not appear" >&2; exit 1; }
  xdotool windowmove "$window" 8 8 windowfocus --sync "$window"
  sleep 1
  for key in $keys; do
    xdotool key --window "$window" "$key"
    sleep 0.3
  done
  sleep 1.5
  if [ "$frame" = frame ]; then
    import -frame -window "$window" "$file"
  else
    import -window "$window" "$file"
  fi
  kill "$game_pid"
  wait "$game_pid" || true
  game_pid=""
  echo "wrote $file"
}

# The first key starts play; a few steps and a push show the player at work.
moves="Down Down Right Right space Up"
start_xvfb "$work" 640x480x24 || { echo "Xvfb did not start" >&2; exit 1; }
photograph en docs/screenshot.png plain "$moves"

start_window_manager || { echo "openbox did not start" >&2; exit 1; }
mkdir -p docs/languages
for catalogue in translations/stonewick_*.ts; do
  language=${catalogue#translations/stonewick_}
  photograph "${language%.ts}" "docs/languages/${language%.ts}.png" frame "$moves"
done
photograph en docs/languages/en.png frame "$moves"

# The read-outs at their largest, in the two languages with the longest words, where the
# build has the tests' helper that fills them (test.sh's build/, say).
if [ -x "$full_readouts" ]; then
  for language in de ru; do
    photograph "$language" "docs/languages/$language-full.png" frame "" "$full_readouts"
  done
else
  echo "no $full_readouts in a build without tests: the full read-outs are not photographed"
fi

# On the Russian keyboard layout the key of B writes и, and smashes the brick on the player's
# right all the same.
setxkbmap -layout ru
photograph ru docs/languages/ru-layout.png frame "Right Cyrillic_i"
setxkbmap -layout us
