#!/usr/bin/env bash
# Packs what the installer installs into an LZH archive (header level 1, -lh5-) with jlha.
# Usage: make_archive.sh OUTPUT TOVRA_PROGRAM README README_JA
# The readmes go in as UTF-8, the text encoding of the desktops the utility runs on.
set -euo pipefail
output=$1 program=$2 readme=$3 readme_ja=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Debug information is for developers; the installed program does not need it.
strip -o "$work/tovra" "$program"
cp "$readme" "$work/readme.txt"
cp "$readme_ja" "$work/readme_ja.txt"
touch -d '1999-11-20 00:16:00' "$work/tovra" "$work/readme.txt" "$work/readme_ja.txt"

rm -f "$output"
(cd "$work" && LC_ALL=C.UTF-8 jlha c1o5q archive.lzh tovra readme.txt readme_ja.txt > /dev/null)
lhasa t "$work/archive.lzh" > /dev/null || { echo "lhasa rejects the archive" >&2; exit 1; }
mv "$work/archive.lzh" "$output"
