#!/usr/bin/env bash
# Runs the launcher's data-file fuzzer from a small seed corpus. Everything it writes stays in a
# temporary folder, removed afterwards unless a problem was found.
# Usage: launcher/fuzz/run_fuzz.sh BUILD_FUZZ_DIR SECONDS
set -euo pipefail
build=$(realpath "$1")
seconds=${2:-30}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
cp -r "$here/corpus" "$work/corpus"
cd "$work"
if "$build/launcher/fuzz/launcher_data_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=1024 -artifact_prefix="$work/" -print_final_stats=1 corpus 2> fuzz.log; then
  grep -E "stat::number_of_executed_units|Done" fuzz.log || true
  cd / && rm -rf "$work"
else
  tail -n 60 fuzz.log
  echo "fuzzer found a problem; input and log kept in $work" >&2
  exit 1
fi
