#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Stonewick need; only
# what is missing, so a second run is quick. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format shellcheck
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev fonts-liberation
  xvfb xauth xdotool x11-utils x11-apps imagemagick openbox
  desktop-file-utils appstream
  clang libclang-rt-14-dev valgrind
  dpkg-dev file lintian man-db groff-base
)

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
