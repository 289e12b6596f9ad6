#!/usr/bin/env bash
# Checks a developer tool's command-line habits: "--help" prints its usage and succeeds, an
# unknown option prints the usage and exits with 2, and neither leaves a file behind (a tool
# that took "--help" for an output name would). Usage: check_usage.sh PROGRAM [ARG...]
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0

out=$("$@" --help 2>/dev/null); code=$?
[ $code -eq 0 ] || { echo "--help exits with $code, not 0" >&2; failed=1; }
grep -qi usage <<<"$out" || { echo "--help prints no usage on standard output" >&2; failed=1; }

err=$("$@" --no-such-option 2>&1 >/dev/null); code=$?
[ $code -eq 2 ] || { echo "an unknown option exits with $code, not 2" >&2; failed=1; }
grep -qi usage <<<"$err" || { echo "an unknown option prints no usage on standard error" >&2; failed=1; }

left=$(ls -A)
[ -z "$left" ] || { echo "left behind: $left" >&2; failed=1; }
exit $failed
