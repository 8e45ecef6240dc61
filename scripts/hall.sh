#!/usr/bin/env bash
# Serves the hall of verified games with the game beside it: installs what is missing, builds
# stonewick-hall and the page, and serves both on 127.0.0.1 until stopped with Ctrl+C: the game
# at / and the hall at /hall. The games are kept in $XDG_DATA_HOME/stonewick/hall.sqlite
# (~/.local/share when XDG_DATA_HOME is not set).
#   bash scripts/hall.sh         # http://127.0.0.1:8100/
#   bash scripts/hall.sh 8200    # on another port
set -euo pipefail
cd "$(dirname "$0")/.."

port="${1:-8100}"
if [[ $# -gt 1 || ! "$port" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/hall.sh [PORT]" >&2
  exit 2
fi
bash scripts/install-deps.sh hall
cmake -S . -B build-hall -DCMAKE_BUILD_TYPE=Release -DSTONEWICK_UI=OFF -DSTONEWICK_TESTS=OFF \
  -DSTONEWICK_BENCH=OFF -DSTONEWICK_HALL=ON >/dev/null
cmake --build build-hall -j"$(nproc)" --target stonewick-hall
bash scripts/build-web.sh

# One folder to serve: the built page, and the hall's page under hall/.
site=build-hall/site
rm -rf "$site"
mkdir -p "$site/hall"
cp -R build-web/site/. "$site/"
cp web/hall/index.html web/hall/hall.css web/hall/hall.js web/hall/hall_text.js "$site/hall/"

data="${XDG_DATA_HOME:-$HOME/.local/share}/stonewick"
mkdir -p "$data"
echo "The hall is at http://127.0.0.1:$port/hall (the game at http://127.0.0.1:$port/; Ctrl+C stops)"
exec build-hall/hall/stonewick-hall --listen "127.0.0.1:$port" --db "$data/hall.sqlite" \
  --site "$site"
