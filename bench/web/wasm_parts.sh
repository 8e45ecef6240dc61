#!/usr/bin/env bash
# Prints what each part of the page's program costs in code bytes: the page built as
# scripts/build-web.sh builds it, but into build-web-parts/ with emscripten's symbol map, then
# the biggest functions and classes (bench/web/wasm_parts.py, with wabt's wasm-objdump).
#   bench/web/wasm_parts.sh [COUNT]   (10 unless given)
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install-deps.sh web bench
emcmake cmake -S web -B build-web-parts -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_EXE_LINKER_FLAGS=--emit-symbol-map >/dev/null
cmake --build build-web-parts -j"$(nproc)" >/dev/null
python3 bench/web/wasm_parts.py build-web-parts/site/stonewick.wasm \
  build-web-parts/site/stonewick.js.symbols "${1:-10}"
