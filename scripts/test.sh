#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in a plain build
# and once under AddressSanitizer and UndefinedBehaviorSanitizer; the page once, in a browser.
# The tests are switched on by name, whatever an earlier configuration of the folders said, and
# a ctest run that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# The tools of every job below: the two builds and their tests (the window on a virtual display,
# the Debian package), the page in the browser, and the fuzzing.
bash scripts/install-deps.sh play display test package web browser fuzz hall
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTONEWICK_TESTS=ON -DSTONEWICK_HALL=ON
cmake --build build -j"$jobs"
ctest --test-dir build --no-tests=error --output-on-failure -j"$jobs" --timeout 600
# The page, built with emscripten, in headless chromium against the plain build's replay tool.
bash tests/web/run.sh build/replay/stonewick-replay

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSTONEWICK_SANITIZE=ON -DSTONEWICK_TESTS=ON \
  -DSTONEWICK_HALL=ON -DSTONEWICK_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --no-tests=error --output-on-failure -j"$jobs" --timeout 900

# Coverage-guided fuzzing of the replay interpreter for two minutes.
bash scripts/fuzz.sh 120
