#!/usr/bin/env bash
# The browser test: builds the page, then loads it in headless chromium and checks its board
# against the replay tool's, its keys, a smash, its message boxes and recordings, a phone's
# screen and touch, playing with no server, Esc out of Instructions and a page opened as a file;
# its fit on phones, a tablet and a netbook in every language, and how it loads. First the
# page's modules that need no browser, under Node alone.
#   tests/web/run.sh [REPLAY_TOOL]   # default: build/replay/stonewick-replay of the plain build
set -euo pipefail
cd "$(dirname "$0")/../.."

replay="${1:-build/replay/stonewick-replay}"
# The hall of the same build, for the page that the hall serves.
hall="$(dirname "$(dirname "$replay")")/hall/stonewick-hall"
for program in "$replay" "$hall"; do
  if [[ ! -x "$program" ]]; then
    echo "missing $program: build the plain build first" >&2
    exit 1
  fi
done
bash scripts/install-deps.sh browser
node --test tests/web/page_keys.test.mjs tests/web/page_figures.test.mjs tests/web/catalogues.test.mjs
bash scripts/build-web.sh
bash tests/web/modules.sh
# With the page's build tools in place: which functions of the program may unwind, and how
# it is split in two.
node --test tests/web/waiting_functions.test.mjs tests/web/split_watching.test.mjs
STONEWICK_SITE=build-web/site STONEWICK_REPLAY="$replay" STONEWICK_HALL="$hall" \
  node --test tests/web/page.test.mjs tests/web/watching.test.mjs tests/web/language.test.mjs \
  tests/web/screens.test.mjs tests/web/loading.test.mjs tests/web/hall.test.mjs
