#!/usr/bin/env bash
# Starts the launcher benchmark as a new process RUNS times (default 11) and reports the median
# time from process start to the launcher's exposed main window, the figure a user waits for.
# Usage: bench/launcher/startup_median.sh BUILD_DIR [RUNS]
set -euo pipefail
. "$(dirname "$0")/../../scripts/usage.sh"
check_arguments "BUILD_DIR [RUNS]" 1 2 "$@"
bench=$(realpath "$1")/bench/launcher/launcher_startup_bench
runs=${2:-11}
times=()
for _ in $(seq "$runs"); do
  times+=("$("$bench" "$(realpath "$1")/collection" 2 2>/dev/null | awk '/process start to window/ { print $(NF-1) }')")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "process start to window over $runs starts: median $(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted") ms," \
     "min $(head -1 <<<"$sorted") ms, max $(tail -1 <<<"$sorted") ms"
