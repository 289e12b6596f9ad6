#!/usr/bin/env bash
# Sets up, builds, stages the collection folder and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"

collection=build/default/collection
if [ -x "$collection/pelta/pelta" ]; then
  cd "$collection/pelta"   # the game reads its data files from its current folder
  exec ./pelta "$@"
fi
echo "Built and staged in $collection; no program of the collection can be started yet." >&2
exit 1
