#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [preset]   (default: "default")
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

scripts/setup.sh

export QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
