#!/usr/bin/env bash
# Runs the real replay tool under valgrind over a long pseudo-random script: any memory
# error or leak fails. The stream buffers that libstdc++ keeps until exit are not leaks.
# Usage: replay_under_valgrind.sh TOOL WRITER EVENTS
set -euo pipefail
tool="$1" writer="$2" events="$3"
script="$(mktemp)"
trap 'rm -f "$script"' EXIT
"$writer" "$events" 7 >"$script"
valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
  --error-exitcode=1 "$tool" "$script" >"$script.out"
tail -n 30 "$script.out" | grep -q '^end$'  # the closing dump: the whole script was played
rm -f "$script.out"
echo "replay_under_valgrind: $events events played with no memory error or leak"
