#!/usr/bin/env bash
# Fuzzes an upload's handling by the hall (tests/hall/fuzz_upload.cpp) with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer for SECONDS (default 60), built in
# build-fuzz-hall. Seeds: real games from bench's make_recording, and the replay scripts.
# A crash or a broken invariant leaves the input in build-fuzz-hall/findings/.
#   tests/hall/fuzz_upload.sh 60
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install-deps.sh fuzz hall

seconds="${1:-60}"
out=build-fuzz-hall
cxx="${CXX_FUZZ:-clang++}"
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer "-fsanitize=fuzzer-no-link,address,undefined"
       -fno-sanitize-recover=all)

cmake -S . -B "$out" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Debug -DSTONEWICK_UI=OFF \
  -DSTONEWICK_TESTS=OFF -DSTONEWICK_BENCH=ON -DSTONEWICK_HALL=ON \
  -DCMAKE_CXX_FLAGS="${flags[*]}" >/dev/null
cmake --build "$out" -j2 --target stonewick_hall_core make_recording
libs=("$out/hall/libstonewick_hall_core.a" "$out/session/libstonewick_session_watching.a"
      "$out/session/libstonewick_session_scripts.a" "$out/session/libstonewick_session_core.a"
      "$out/recording_format/libstonewick_recording_format.a" "$out/game/libstonewick_rules.a"
      "$out/lib/libstonewick_lib.a" "$out/lists/libstonewick_lists.a")
"$cxx" "${flags[@]}" -fsanitize=fuzzer -Wall -Wextra -Wpedantic -I. -I/usr/include/postgresql \
  tests/hall/fuzz_upload.cpp "${libs[@]}" -lsqlite3 -lpq -lcrypto -lz -o "$out/fuzz_upload"

mkdir -p "$out/corpus" "$out/findings"
for minutes in 1 2; do
  { printf 'Anna\ntext/plain\n'; "$out/bench/make_recording" "$minutes" "$minutes"; } \
    >"$out/corpus/game-$minutes"
done
for script in tests/replay/*.script; do
  { printf 'Bob\ntext/plain\n'; cat "$script"; } >"$out/corpus/$(basename "$script")"
done

"$out/fuzz_upload" "$out/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -dict=tests/fuzz/script.dict \
  -artifact_prefix="$out/findings/upload-" >"$out/fuzz_upload.log" 2>&1 || {
  grep -E 'ERROR|invariant broken' "$out/fuzz_upload.log" || true
  echo "fuzz_upload: a finding is in $out/findings/ (log: $out/fuzz_upload.log)" >&2
  exit 1
}
grep -E 'stat::number_of_executed_units|DONE' "$out/fuzz_upload.log" || true
