#!/usr/bin/env bash
# Runs libFuzzer targets of the fuzz build (`cmake --preset fuzz`, target "fuzzers").
#   scripts/fuzz.sh FUZZER SECONDS [SEED_FILE...]   one target for SECONDS, from the given seeds
#   scripts/fuzz.sh --all [MINUTES] [BUILD_DIR]     every target of BUILD_DIR/fuzzers.list (default
#                                                   build/fuzz), one after another, MINUTES each
#                                                   (default: each target's short CI run)
# Each run prints its executions and coverage. Everything a run writes (corpus, crash reports)
# stays in a temporary folder, removed afterwards unless a problem was found.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
root=$(realpath "$(dirname "$0")/..")

# Fuzzes one target; prints "NAME: executions, coverage" from libFuzzer's final report.
run_one() {
  local name=$1 fuzzer=$2 seconds=$3
  shift 3
  local work
  work=$(mktemp -d)
  mkdir "$work/corpus"
  [ $# -eq 0 ] || cp "$@" "$work/corpus/"
  if (cd "$work" && "$fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=1024 \
        -artifact_prefix="$work/" -print_final_stats=1 corpus 2> fuzz.log); then
    local executions done_line
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log" | tail -n 1)
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/fuzz.log" | tail -n 1)
    echo "$name: ${executions:-?} executions in ${seconds} s, coverage$(sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+).*/ \1 edges, \2 features, corpus of \3 inputs/' <<<"$done_line")"
    rm -rf "$work"
  else
    tail -n 60 "$work/fuzz.log"
    echo "$name found a problem; input and log kept in $work" >&2
    return 1
  fi
}

if [ "${1:-}" = "--all" ]; then
  shift
  check_arguments "--all [MINUTES] [BUILD_DIR] | FUZZER SECONDS [SEED_FILE...]" 0 2 "$@"
  minutes=${1:-}
  build=$(realpath "${2:-$root/build/fuzz}")
  list=$build/fuzzers.list
  [ -f "$list" ] || { echo "no $list: configure the fuzz preset and build the target \"fuzzers\"" >&2; exit 1; }
  failed=0
  while IFS=$'\t' read -r name program seconds seeds; do
    [ -n "$name" ] || continue
    [ -z "$minutes" ] || seconds=$((minutes * 60))
    # The seeds are globs, expanded here; a pattern that matches nothing is left out.
    shopt -s nullglob
    # shellcheck disable=SC2206
    seed_files=($seeds)
    shopt -u nullglob
    run_one "$name" "$program" "$seconds" ${seed_files[@]+"${seed_files[@]}"} || failed=1
  done < "$list"
  exit $failed
fi

check_arguments "FUZZER SECONDS [SEED_FILE...] | --all [MINUTES] [BUILD_DIR]" 2 1000 "$@"
fuzzer=$(realpath "$1")
seconds=$2
shift 2
run_one "$(basename "$fuzzer")" "$fuzzer" "$seconds" "$@"
