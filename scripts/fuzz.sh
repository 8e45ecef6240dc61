#!/usr/bin/env bash
# Installs clang if missing, builds the two fuzz targets with it (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz and runs both side by side for SECONDS (default
# 120).
#   scripts/fuzz.sh 120      # the CI run
#   scripts/fuzz.sh 14400    # the long run: four hours
# Any crash, hang (10 s per input) or broken invariant fails the run and leaves the input in
# build-fuzz/findings/; keep it under tests/fuzz/regressions/ with a name that says what it is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh fuzz

seconds="${1:-120}"
out=build-fuzz
cxx="${CXX_FUZZ:-clang++}"
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer "-fsanitize=fuzzer-no-link,address,undefined"
       -fno-sanitize-recover=all)

# The rules and the replay interpreter, built by their own CMake files with clang.
cmake -S . -B "$out" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Debug \
  -DSTONEWICK_UI=OFF -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="${flags[*]}" >/dev/null
cmake --build "$out" -j2 --target stonewick_session_watching
# The session's three rooms, each before the rooms it uses.
libs=("$out/session/libstonewick_session_watching.a" "$out/session/libstonewick_session_scripts.a"
      "$out/session/libstonewick_session_core.a" "$out/recording_format/libstonewick_recording_format.a"
      "$out/game/libstonewick_rules.a"
      "$out/lib/libstonewick_lib.a" "$out/lists/libstonewick_lists.a")

for target in events script; do
  "$cxx" "${flags[@]}" -fsanitize=fuzzer -Wall -Wextra -Wpedantic -I. \
    -DSTONEWICK_FUZZ_SCRIPT="$([ "$target" = script ] && echo 1 || echo 0)" \
    tests/fuzz/fuzz_target.cpp "${libs[@]}" -lz -o "$out/fuzz_$target"
done

# Seeds: the golden replay scripts for the script target, and every kept regression input.
mkdir -p "$out/corpus-events" "$out/corpus-script" "$out/findings"
cp tests/replay/*.script "$out/corpus-script/" 2>/dev/null || true
cp tests/fuzz/regressions/*.script "$out/corpus-script/" 2>/dev/null || true
cp tests/fuzz/regressions/*.events "$out/corpus-events/" 2>/dev/null || true

run() {
  local target="$1" max_len="$2"
  shift 2
  "$out/fuzz_$target" "$out/corpus-$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len="$max_len" -len_control=0 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$target-" "$@" >"$out/fuzz_$target.log" 2>&1
}

status=0
run events 4096 & events_pid=$!
run script 8192 -dict=tests/fuzz/script.dict & script_pid=$!
wait "$events_pid" || status=1
wait "$script_pid" || status=1

for target in events script; do
  grep -E '^fuzz_|stat::number_of_executed_units|^#[0-9]+.*DONE|ERROR|invariant broken' \
    "$out/fuzz_$target.log" || true
done
if [ "$status" -ne 0 ]; then
  echo "fuzz: a finding is in $out/findings/ (logs: $out/fuzz_*.log)" >&2
fi
exit "$status"
