#!/usr/bin/env bash
# Where the real program's windows land, under a window manager (openbox) or with none.
# - On a screen shorter than the window (640 by 400, and 1280 by 800 at a scale factor of 2)
#   the main window keeps its title bar and menu on the screen and lets its bottom run over.
# - The About window opens by the pointer, its frame kept on the screen.
# - Over BOXES games the player walks into a baddie with the Power the game starts with, so
#   the rules open the second-chance box from inside the key's step while the timers run. Its
#   outer corner must be at the mouse pointer, or pulled back onto the screen near the right
#   and bottom edges, every time.
# Usage: run_placement_e2e.sh STONEWICK openbox|none BOXES
set -euo pipefail

game_binary=$1
manager=$2
boxes=$3
here=$(cd "$(dirname "$0")" && pwd)

# The virtual display helpers, `fail` and the cleanup on exit.
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

# A fresh X server of the given size, with the window manager when one is asked for.
start_display() {
  stop_session
  start_xvfb "$work" "$1" || fail "Xvfb did not start"
  if [[ $manager == openbox ]]; then
    start_window_manager || fail "openbox did not start"
  fi
}

# The game, with its main window (`main`) shown and holding the keyboard focus.
start_game() {
  timeout 60 "$game_binary" >"$work/game.log" 2>&1 &
  game_pid=$!
  main=$(wait_for_game_window 20) || fail "no window named Stonewick appeared"
  if [[ $manager == openbox ]]; then
    xdotool windowactivate --sync "$main"
  else
    xdotool windowfocus "$main"
  fi
}

stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

# "X Y WIDTH HEIGHT" of a window's outer frame: its client area and the frame the window
# manager says it drew around it (_NET_FRAME_EXTENTS: left, right, top, bottom), none when no
# window manager runs. Fails while a window manager has not framed the window yet.
outer_geometry() {
  local window=$1 info extents left=0 right=0 top=0 bottom=0
  info=$(xwininfo -id "$window" 2>/dev/null) || return 1
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null || true)
  if [[ $extents == *=* ]]; then
    read -r left right top bottom <<<"${extents#*= }"
    left=${left%,} right=${right%,} top=${top%,}
  elif [[ $manager == openbox ]]; then
    return 1
  fi
  awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { print x - l, y - t, w + l + r, h + t + b }' <<<"$info"
}

# The outer geometry once it has stood still for three looks in a row.
settled_geometry() {
  local window=$1 last="" now same=0
  for _ in $(seq 40); do
    now=$(outer_geometry "$window" || true)
    if [[ -n $now && $now == "$last" ]]; then
      same=$((same + 1))
      [[ $same -ge 2 ]] && break
    else
      same=0
    fi
    last=$now
    sleep 0.1
  done
  echo "$last"
}

# A visible window named Stonewick other than the main one, within five seconds.
box_of() {
  local main=$1 id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name '^Stonewick$' 2>/dev/null || true); do
      [[ $id != "$main" ]] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Small screens: the window's outer corner wants (482, 249) and its outer size is 395 by
# 480; 640 by 400 (in the window's own pixels) leaves room for neither.
for screen in 640x400x24:1 1280x800x24:2; do
  start_display "${screen%:*}"
  export QT_SCALE_FACTOR=${screen#*:}
  start_game
  read -r x y _ <<<"$(settled_geometry "$main")"
  stop_game
  unset QT_SCALE_FACTOR
  ex=$((245 * ${screen#*:}))
  [[ "$x $y" == "$ex 0" ]] ||
    fail "on ${screen%x*} at scale ${screen#*:} the window's corner is at ($x, $y), not ($ex, 0)"
done

# The About window: its outer corner one pixel right of and below the pointer, or pulled
# back onto the screen by its outer size, the frame included, near the right and bottom edges.
start_display 1280x1024x24
for pointer in "300 200" "1270 1015"; do
  read -r px py <<<"$pointer"
  start_game
  xdotool mousemove "$px" "$py" key alt+b
  about=$(wait_for_window '^About$' 5) || fail "About did not open"
  read -r x y w h <<<"$(settled_geometry "$about")"
  stop_game
  ex=$((px + 1))
  ey=$((py + 1))
  ((ex + w > 1280)) && ex=$((1280 - w))
  ((ey + h > 1024)) && ey=$((1024 - h))
  [[ "$x $y" == "$ex $ey" ]] ||
    fail "About opened at ($px, $py) has its outer corner at ($x, $y), size ${w}x$h, not ($ex, $ey)"
done

# The second-chance boxes. From level 1's start these keys walk the player into the baddie
# at (3, 12) before the baddie's first step (as in tests/replay/game_over_yes.script).
start_display 1280x1024x24
walk=(Left Left Left Down Left Down Left Left Left)
shown=0
right=0
misses=0
wrong=()
while [[ $shown -lt $boxes ]]; do
  i=$((shown + misses + 1))
  # Pointers all over the screen, some near its right and bottom edges.
  px=$((20 + (i * 173) % 1240))
  py=$((20 + (i * 331) % 990))
  xdotool mousemove "$px" "$py"
  start_game
  sleep 0.3
  xdotool key --delay 30 "${walk[@]}"
  if ! box=$(box_of "$main"); then
    # The walk came too late for the baddie; nothing was placed.
    stop_game
    misses=$((misses + 1))
    [[ $misses -le $((boxes / 5 + 2)) ]] || fail "no box in $misses games"
    continue
  fi
  read -r x y w h <<<"$(settled_geometry "$box")"
  stop_game
  shown=$((shown + 1))
  ex=$px
  ey=$py
  ((ex + w > 1280)) && ex=$((1280 - w))
  ((ey + h > 1024)) && ey=$((1024 - h))
  if [[ "$x $y" == "$ex $ey" ]]; then
    right=$((right + 1))
  else
    wrong+=("pointer ($px, $py): outer corner ($x, $y), size ${w}x$h, wanted ($ex, $ey)")
  fi
done

if [[ ${#wrong[@]} -gt 0 ]]; then
  printf '  %s\n' "${wrong[@]}" >&2
  fail "under $manager, $right of $shown second-chance boxes placed right"
fi
echo "PASS ($manager): small screens keep the title bar on them; About opens by the pointer;" \
  "$right of $shown second-chance boxes placed right"
