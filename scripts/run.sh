#!/usr/bin/env bash
# Sets up, builds, stages the collection folder and starts its launcher.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"

collection=build/default/collection
if [ -x "$collection/game" ]; then
  exec "$collection/game" "$@"   # the launcher makes its own folder current
fi
echo "Built and staged in $collection, but the launcher was not built." >&2
exit 1
