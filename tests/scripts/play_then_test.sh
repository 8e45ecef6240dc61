#!/usr/bin/env bash
# play.sh and test.sh as a newcomer runs them, play.sh first: they build in folders of their
# own, every ctest call of the scripts fails when it finds no test, and a folder configured
# first as play.sh configures its own and then as test.sh configures its plain build still
# holds every test. Configures only; builds nothing.
#   play_then_test.sh SOURCE_DIR
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# configure_lines SCRIPT: the script's `cmake -S . -B ...` commands, one a line, their
# continued lines joined.
configure_lines() {
  sed -e ':joined' -e '/\\$/{N;s/\\\n */ /;b joined' -e '}' "$1" | grep -E '^ *cmake -S \. -B '
}
# folder_of LINE: the build folder that a configure line names.
folder_of() {
  awk '{ for (i = 1; i < NF; ++i) if ($i == "-B") { print $(i + 1); exit } }' <<<"$1"
}

play_line=$(configure_lines "$source/scripts/play.sh")
[[ $(wc -l <<<"$play_line") == 1 ]] || fail "play.sh configures more than one folder: $play_line"
test_lines=$(configure_lines "$source/scripts/test.sh")
[[ -n $test_lines ]] || fail "test.sh configures no folder"
play_folder=$(folder_of "$play_line")
while read -r line; do
  [[ $(folder_of "$line") != "$play_folder" ]] ||
    fail "play.sh and test.sh both build in $play_folder"
done <<<"$test_lines"

# Every ctest call in the scripts, its continued lines joined.
for script in "$source"/scripts/*.sh; do
  while read -r line; do
    [[ $line == *--no-tests=error* ]] ||
      fail "$(basename "$script") runs ctest without --no-tests=error: $line"
  done < <(sed -e ':joined' -e '/\\$/{N;s/\\\n */ /;b joined' -e '}' "$script" |
    grep -Ev '^ *#' | grep -E '(^|[ ;(])ctest ' || true)
done

# The worst order on one folder: play.sh's options first, then test.sh's plain build.
# The folder name is the scratch one; the options are the scripts' own, read from them.
plain_line=$(head -n 1 <<<"$test_lines")
for line in "$play_line" "$plain_line"; do
  read -r -a words <<<"$line"
  options=("${words[@]:5}")
  cmake -S "$source" -B "$work/build" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; fail "configuring as '$line' failed"; }
done
count=$(ctest --test-dir "$work/build" -N --no-tests=error | sed -n 's/^Total Tests: //p')
[[ -n $count && $count -gt 0 ]] ||
  fail "after play.sh's configuration test.sh's finds no test"
echo "PASS: play.sh builds in $play_folder, test.sh elsewhere; $count tests after both"
