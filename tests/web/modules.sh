#!/usr/bin/env bash
# Installs the Node modules of the browser test and the page's figures (puppeteer-core, which
# downloads no browser of its own) into tests/web/node_modules from the committed lockfile,
# unless they are in place already.
set -euo pipefail
cd "$(dirname "$0")"

if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]
then
  npm ci --no-audit --no-fund --loglevel=error
fi
