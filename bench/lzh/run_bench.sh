#!/usr/bin/env bash
# Extraction throughput of our extractor beside lhasa and bsdtar on one ~20 MB text archive
# made by jlha. Usage: bench/lzh/run_bench.sh BUILD_DIR [RUNS]
set -euo pipefail
. "$(dirname "$0")/../../scripts/usage.sh"
check_arguments "BUILD_DIR [RUNS]   extraction throughput beside lhasa and bsdtar" 1 2 "$@"
build=$(realpath "$1")
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# Deterministic text: words drawn from a small vocabulary with numbers, about 3:1 compressible.
mkdir "$work/src"
awk 'BEGIN {
  srand(7); n = split("the of and to in is that it was for on are with as his they at be this from have or by one had not but what all were when we there can an your which their said if do will each about how up out them then she many some so these would other into has more her two like him see time could no make than first been its who now people my made over did down only way find use may water long little very after words called just where most know", w, " ")
  bytes = 0
  while (bytes < 20000000) {
    line = ""
    for (i = 0; i < 12; i++) line = line w[int(rand() * n) + 1] (rand() < 0.1 ? " " int(rand() * 100000) : "") " "
    print line; bytes += length(line) + 1
  }
}' > "$work/src/text.txt"
(cd "$work/src" && jlha c1q ../bench.lzh text.txt > /dev/null)
size=$(stat -c %s "$work/src/text.txt")
echo "archive: $(stat -c %s "$work/bench.lzh") bytes, output: $size bytes"

# Best CPU time (user + system) of RUNS runs of a command extracting into a fresh folder.
# CPU time rather than wall time, so that other work on the machine does not skew the ratios.
best_time() {
  local best=""
  for ((i = 0; i < runs; i++)); do
    rm -rf "$work/out"; mkdir "$work/out"
    local t
    t=$(cd "$work/out" && TIMEFORMAT='%U %S' && { time "$@" > /dev/null; } 2>&1 | awk '{ print $1 + $2 }')
    best=$(awk -v t="$t" -v b="$best" 'BEGIN { print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}

# MB/s of output for a time in seconds.
rate() { awk -v s="$size" -v t="$1" 'BEGIN { print s / t / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }

ours=$("$build/bench/lzh/lzh_bench" "$work/bench.lzh" "$runs" | cut -d' ' -f1)
ours_cmd=$(rate "$(best_time "$build/tools/lzh-extract/lzh-extract" "$work/bench.lzh" .)")
lhasa=$(rate "$(best_time lhasa x "$work/bench.lzh")")
bsdtar=$(rate "$(best_time bsdtar -xf "$work/bench.lzh")")

printf 'ExtractArchive (in process)  %8.1f MB/s\n' "$ours"
printf 'lzh-extract (whole process)  %8.1f MB/s\n' "$ours_cmd"
printf 'lhasa x                      %8.1f MB/s\n' "$lhasa"
printf 'bsdtar -x                    %8.1f MB/s\n' "$bsdtar"
printf 'lzh-extract / bsdtar: %.2f   lzh-extract / lhasa: %.2f\n' \
  "$(ratio "$ours_cmd" "$bsdtar")" "$(ratio "$ours_cmd" "$lhasa")"
