#!/usr/bin/env bash
# Runs the start-up and page benchmarks and writes their main lines into the README's figures
# section, between its two marker lines, so the README shows what was measured, not what was
# typed in. Review with `git diff README.md` before committing. With `page` after the build
# folder, only the page's figures are measured again, and the window's kept as they stand.
#   bench/readme_figures.sh [BUILD_DIR] [page]   (default build; the benchmarks' own variables)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
only=${2:-}

figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
begin='<!-- figures: written by bench/readme_figures.sh -->'
end='<!-- end of figures -->'
grep -qxF "$begin" README.md || { echo "README.md has no line $begin" >&2; exit 1; }
{
  if [[ $only == page ]]; then
    awk -v begin="$begin" -v end="$end" '$0 == begin { inside = 1; next } $0 == end { inside = 0 }
      inside && /^    (start-up|peak memory|instructions)/' README.md
  else
    bench/startup/measure.sh "$build"
  fi
  bench/web/measure.sh "$build" | grep -E '^(size of|navigation|floor|CPU while)'
  bench/web/wasm_parts.sh 5 | sed -n '/classes and namespaces/,$p'
} | sed 's/^ */    /' >"$figures"

awk -v begin="$begin" -v end="$end" -v figures="$figures" -v day="$(date -u +%F)" '
  $0 == begin { print; print "    measured " day ":";
                while ((getline line < figures) > 0) print line; skipping = 1; next }
  $0 == end { skipping = 0 }
  !skipping' README.md >README.md.new
mv README.md.new README.md
