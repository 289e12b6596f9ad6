#!/usr/bin/env bash
# Runs one libFuzzer target for a while, starting from the given seed files (none: an empty
# corpus). Everything it writes (corpus, crash reports) stays in a temporary folder, removed
# afterwards unless a problem was found.
# Usage: scripts/fuzz.sh FUZZER SECONDS [SEED_FILE...]
set -euo pipefail
. "$(dirname "$0")/usage.sh"
check_arguments "FUZZER SECONDS [SEED_FILE...]" 2 1000 "$@"
fuzzer=$(realpath "$1")
seconds=$2
shift 2
work=$(mktemp -d)
mkdir "$work/corpus"
[ $# -eq 0 ] || cp "$@" "$work/corpus/"
cd "$work"
if "$fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$work/" -print_final_stats=1 corpus 2> fuzz.log; then
  grep -E "stat::number_of_executed_units|Done" fuzz.log || true
  cd / && rm -rf "$work"
else
  tail -n 60 fuzz.log
  echo "$(basename "$fuzzer") found a problem; input and log kept in $work" >&2
  exit 1
fi
