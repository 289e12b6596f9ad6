#!/usr/bin/env bash
# Installs every Debian package the collection and its tests need. Safe to run again:
# when everything is already installed it does nothing. Works across Debian releases: the
# clang runtime (libFuzzer, sanitizers) is the one matching the installed clang, and where a
# release has none the fuzz build is left out (.ci/run then skips fuzzing).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev
  timgm6mb-soundfont fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang
  lhasa jlha-utils libarchive-tools
  xvfb xauth xdotool imagemagick
  libglib2.0-bin shared-mime-info desktop-file-utils
  librsvg2-bin appstream dpkg-dev lintian
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
updated=""

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ -z "$updated" ]; then
    $sudo apt-get update
    updated=yes
  fi
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"

# The compiler runtime is packaged per clang version (libclang-rt-14-dev on Debian 12, a
# newer number on later releases).
clang_major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
runtime="libclang-rt-${clang_major}-dev"
if [ -n "$clang_major" ] && apt-cache show "$runtime" >/dev/null 2>&1; then
  install_missing "$runtime"
else
  echo "setup: no $runtime package for clang ${clang_major:-?}; the fuzz targets cannot be built" >&2
fi
