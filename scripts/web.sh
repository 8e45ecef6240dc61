#!/usr/bin/env bash
# Plays Stonewick in a browser: installs what is missing, builds the page into
# build-web/site/ and serves it on 127.0.0.1 until stopped with Ctrl+C.
#   bash scripts/web.sh         # http://127.0.0.1:8000/
#   bash scripts/web.sh 8080    # on another port
set -euo pipefail
cd "$(dirname "$0")/.."

port="${1:-8000}"
if [[ $# -gt 1 || ! "$port" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/web.sh [PORT]" >&2
  exit 2
fi
bash scripts/build-web.sh
echo "Stonewick is at http://127.0.0.1:$port/ (Ctrl+C stops; the files are in build-web/site/)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
