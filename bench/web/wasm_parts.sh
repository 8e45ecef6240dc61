#!/usr/bin/env bash
# Prints what each part of the page's program costs in code bytes: the page built by
# scripts/build-web.sh, which keeps the program as linked with emscripten's symbol map in
# build-web/whole/, then the biggest functions and classes of the part loaded first and of the
# part fetched for watching (bench/web/wasm_parts.py, with wabt's wasm-objdump).
#   bench/web/wasm_parts.sh [COUNT]   (10 unless given)
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install-deps.sh web bench
bash scripts/build-web.sh >/dev/null
python3 bench/web/wasm_parts.py build-web/whole/stonewick.wasm build-web/whole/stonewick.js.symbols \
  build-web/whole/watching_functions.txt "${1:-10}"
