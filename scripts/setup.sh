#!/usr/bin/env bash
# Installs every Debian package the collection and its tests need. Safe to run again:
# when everything is already installed it does nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev
  timgm6mb-soundfont fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  lhasa jlha-utils libarchive-tools
  xvfb xauth xdotool
  librsvg2-bin desktop-file-utils appstream dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
