#!/usr/bin/env bash
# Installs what is missing, then builds the page with Debian's emscripten into
# build-web/site/: index.html, stonewick.js, the program in two parts (stonewick.wasm and
# stonewick-watching.wasm) and the rest, static files that any web server or file share can
# serve as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j"$(nproc)"
