#!/usr/bin/env bash
# Installs the Debian packages that the jobs named on the command line need; only what is
# missing, so a second run is quick. Uses sudo when not run as root. Each script names the
# jobs it does, so a player installs only what playing needs:
#   play     build the game and start it (scripts/play.sh)
#   display  drive the window on a virtual X display (the end-to-end tests, the window soak,
#            scripts/screenshot.sh)
#   test     the test suite's own tools and the developers' checks (scripts/test.sh)
#   web      build the page with emscripten and serve it (scripts/build-web.sh, scripts/web.sh)
#   browser  the page's test in headless chromium on Node (tests/web/run.sh)
#   package  build and check the Debian package (scripts/package.sh)
#   fuzz     fuzz with clang's libFuzzer (scripts/fuzz.sh)
#   hall     build the hall server, serve it and test it on SQLite and PostgreSQL 15
#            (scripts/hall.sh; its tests in scripts/test.sh)
#   bench    the figures' own tools: callgrind's instruction counts (bench/startup) and the
#            page's program taken apart (bench/web/wasm_parts.sh)
# With no job named it installs every job's packages.
#   scripts/install-deps.sh JOB...
set -euo pipefail

jobs=(play display test web browser package fuzz hall bench)

# packages_of JOB: the packages the job needs, on one line; fails for an unknown job.
packages_of() {
  case "$1" in
    # Qt's development files bring OpenGL's and Qt's build tools; zlib makes the recordings'
    # checkpoints; the window's text is drawn in Liberation Sans where the designed fonts are
    # missing. lrelease (qt6-l10n-tools) compiles the catalogues, Python writes the menu
    # entry's translations, and Qt's own translations give its buttons the player's language.
    play)
      echo g++ make cmake qt6-base-dev zlib1g-dev fonts-liberation qt6-l10n-tools python3 \
        qt6-translations-l10n
      ;;
    # x11-xkb-utils switches the virtual display's keyboard layout.
    display) echo xvfb xauth xdotool x11-utils x11-apps imagemagick openbox x11-xkb-utils ;;
    test)
      echo pkg-config clang-format shellcheck libgtest-dev libbenchmark-dev libx11-dev \
        desktop-file-utils appstream valgrind
      ;;
    # wabt's wasm-objdump reads which functions of the program can wait; binaryen's wasm-split
    # splits it in two; terser shortens the page's script.
    web) echo emscripten cmake make python3 wabt binaryen node-terser ;;
    # A Node from elsewhere brings its own npm, which Debian's npm package would conflict with.
    browser)
      if command -v npm >/dev/null; then
        echo chromium
      else
        echo chromium nodejs npm
      fi
      ;;
    # dpkg-dev gives the build flags and the libraries' package names; file, man-db and
    # groff-base serve lintian's checks; appstream-compose checks the package as software
    # centres read it.
    package) echo dpkg-dev file lintian man-db groff-base appstream-compose ;;
    fuzz) echo clang libclang-rt-14-dev cmake make zlib1g-dev ;;
    # cpp-httplib serves HTTP; SQLite and libpq store the games; OpenSSL's libcrypto hashes the
    # tokens; the tests start a throwaway PostgreSQL 15 and find a free port with Python, and the
    # window's upload test asks the hall with curl, as the README does.
    hall)
      echo g++ make cmake pkg-config zlib1g-dev libcpp-httplib-dev libsqlite3-dev libpq-dev \
        libssl-dev postgresql-15 python3 curl
      ;;
    bench) echo valgrind wabt ;;
    *) return 1 ;;
  esac
}

if [ $# -eq 0 ]; then
  set -- "${jobs[@]}"
fi
packages=()
for job in "$@"; do
  if ! listed=$(packages_of "$job"); then
    echo "install-deps: no such job '$job'; the jobs are: ${jobs[*]}" >&2
    exit 2
  fi
  read -r -a job_packages <<<"$listed"
  packages+=("${job_packages[@]}")
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" &&
    [[ " ${missing[*]} " != *" $package "* ]]; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
