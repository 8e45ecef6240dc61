#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Stonewick need, for the
# window and for the page; only what is missing, so a second run is quick. Uses sudo when not
# run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format shellcheck
  libgtest-dev libbenchmark-dev zlib1g-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev fonts-liberation
  xvfb xauth xdotool x11-utils x11-apps imagemagick openbox
  desktop-file-utils appstream
  clang libclang-rt-14-dev valgrind
  dpkg-dev file lintian man-db groff-base
  emscripten chromium
)
# The page's browser test runs on Node with npm; a Node from elsewhere brings its own npm,
# which Debian's npm package would conflict with.
if ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
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
