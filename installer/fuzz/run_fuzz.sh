#!/usr/bin/env bash
# Runs the archive fuzzer from a seed corpus of jlha-made archives. Everything it writes
# (corpus, crash reports) stays in a temporary folder, removed afterwards unless a crash
# was found. Usage: installer/fuzz/run_fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$(realpath "$1")
seconds=${2:-60}
work=$(mktemp -d)
mkdir "$work/corpus"
fixtures=$build/installer/lzh/tests/fixtures
cp "$fixtures"/small?.lzh "$fixtures"/sjis?.lzh "$fixtures"/level2.lzh "$work/corpus/"
cd "$work"
if "$build/installer/fuzz/lzh_fuzz" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$work/" -print_final_stats=1 corpus 2> fuzz.log; then
  grep -E "stat::number_of_executed_units|Done" fuzz.log || true
  cd / && rm -rf "$work"
else
  tail -n 60 fuzz.log
  echo "fuzzer found a problem; input and log kept in $work" >&2
  exit 1
fi
