#!/usr/bin/env bash
# Feeds the real replay tool hostile scripts and arguments. Each must end with exit status 2
# and exactly one error line naming the tool on standard error: no crash, no silent success.
# Usage: hostile_replay.sh TOOL [CASE...]   (no CASE: all of them)
set -uo pipefail
tool="$1"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# expect_bad NAME COMMAND...: status 2 and one line naming the tool on standard error.
expect_bad() {
  local name="$1"
  shift
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  local lines
  lines="$(wc -l <"$work/err")"
  if [ "$status" -ne 2 ] || [ "$lines" -ne 1 ] || ! grep -q 'stonewick-replay' "$work/err"; then
    echo "FAIL $name: status $status, $lines error lines:" >&2
    head -c 300 "$work/err" >&2
    failures=$((failures + 1))
  else
    echo "ok   $name: $(cat "$work/err")"
  fi
}

script_case() {  # NAME CONTENT (printf format): the content as a script file
  # shellcheck disable=SC2059 # the content is the format: its escapes write the odd bytes
  printf "$2" >"$work/$1.script"
  expect_bad "$1" "$tool" "$work/$1.script"
}

run_case() {
  case "$1" in
    huge_number) script_case huge_number 'wait 999999999999999999999999999999999999\n' ;;
    long_line) head -c 20000000 /dev/zero | tr '\0' 'k' >"$work/long.script"
               expect_bad long_line "$tool" "$work/long.script" ;;
    binary_bytes) script_case binary_bytes 'key 38\n\001\377\000\033[2J\n' ;;
    missing_argument) script_case missing_argument 'click 3\n' ;;
    too_many_words) script_case too_many_words 'menu skip now\n' ;;
    no_end_of_line) script_case no_end_of_line 'dump\nseed 4294967296' ;;
    stdin_script) printf 'answer maybe\n' >"$work/stdin.script"
                  expect_bad stdin_script "$tool" <"$work/stdin.script" ;;
    missing_file) expect_bad missing_file "$tool" "$work/no-such-file" ;;
    empty_path) expect_bad empty_path "$tool" "" ;;
    too_many_arguments) expect_bad too_many_arguments "$tool" a b ;;
    directory) expect_bad directory "$tool" "$work" ;;
    # A line that never ends, read under a memory limit: running out of memory while reading
    # is a script that cannot be read. Not under AddressSanitizer, which needs the room.
    endless_line)
      # shellcheck disable=SC2016 # $0 is the tool, expanded by the inner shell
      expect_bad endless_line bash -c \
        'ulimit -v 600000; head -c 2000000000 /dev/zero | "$0"' "$tool" ;;
    *) echo "unknown case $1" >&2; failures=$((failures + 1)) ;;
  esac
}

cases=("$@")
if [ ${#cases[@]} -eq 0 ]; then
  cases=(huge_number long_line binary_bytes missing_argument too_many_words no_end_of_line
         stdin_script missing_file empty_path too_many_arguments directory)
fi
for c in "${cases[@]}"; do
  run_case "$c"
done
exit $((failures > 0))
