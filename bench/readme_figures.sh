#!/usr/bin/env bash
# Runs the start-up and page benchmarks and writes their main lines into the README's figures
# section, between its two marker lines, so the README shows what was measured, not what was
# typed in. Each part carries the day it was measured; a part not asked for keeps its lines.
# Review with `git diff README.md` before committing.
#   bench/readme_figures.sh [BUILD_DIR [PARTS]]   (default build; PARTS: all, startup or page;
#                                                  the benchmarks' own variables apply)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
parts=${2:-all}
[[ "$parts" =~ ^(all|startup|page)$ ]] || { echo "PARTS is all, startup or page" >&2; exit 2; }

begin='<!-- figures: written by bench/readme_figures.sh -->'
end='<!-- end of figures -->'
grep -qxF "$begin" README.md || { echo "README.md has no line $begin" >&2; exit 1; }
day=$(date -u +%F)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The lines now in the README, each part apart: the start-up's lines begin with these words,
# every other figure is the page's. A part's heading says when it was measured.
awk -v begin="$begin" -v end="$end" -v out="$work" '
  $0 == begin { inside = 1; next }
  $0 == end { inside = 0 }
  !inside { next }
  /^    (the window.s start-up|the page), measured / || /^    measured / {
    if (/^    measured /) { sub(/^    measured /, ""); startupDay = pageDay = $0 }
    else if (/start-up/) { sub(/.*measured /, ""); startupDay = $0 }
    else { sub(/.*measured /, ""); pageDay = $0 }
    next }
  /^    (start-up to first frame|peak memory at first frame|instructions to first frame)/ {
    print > (out "/startup.old"); next }
  { print > (out "/page.old") }
  END { print startupDay > (out "/startup.day"); print pageDay > (out "/page.day") }' README.md

# part NAME HEADING: the part's lines, measured now when asked for, else as they were.
part() {
  local name=$1 heading=$2
  if [[ "$parts" == all || "$parts" == "$name" ]]; then
    echo "    $heading, measured $day:"
    "${name}_figures" | sed 's/^ */    /'
  elif [[ -s "$work/$name.old" ]]; then
    echo "    $heading, measured $(tr -d ':\n' <"$work/$name.day"):"
    cat "$work/$name.old"
  fi
}
startup_figures() { bench/startup/measure.sh "$build"; }
page_figures() {
  bench/web/measure.sh "$build" | grep -E '^(size of|navigation|floor|CPU while)'
  bench/web/wasm_parts.sh 5 | sed -n '/classes and namespaces/,$p'
}
{
  part startup "the window's start-up"
  part page "the page"
} >"$work/figures"

awk -v begin="$begin" -v end="$end" -v figures="$work/figures" '
  $0 == begin { print; while ((getline line < figures) > 0) print line; skipping = 1; next }
  $0 == end { skipping = 0 }
  !skipping' README.md >README.md.new
mv README.md.new README.md
