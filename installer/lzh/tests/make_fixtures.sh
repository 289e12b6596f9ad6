#!/usr/bin/env bash
# Makes the test archives with jlha and checks each with lhasa. Usage: make_fixtures.sh OUTDIR
# OUTDIR/src holds the original files the tests compare the extracted ones with.
set -euo pipefail
out=$1
# jlha converts names from the locale's encoding; it must read them as UTF-8.
export LC_ALL=C.UTF-8
rm -rf "$out"
mkdir -p "$out/src/sub" "$out/src/表"
cd "$out/src"

awk 'BEGIN { for (i = 1; i <= 3000; i++) printf "line %d: the quick brown fox jumps over the lazy dog %d\n", i, i * i }' > text.txt
head -c 8192 text.txt > t8192.txt
head -c 8193 text.txt > t8193.txt
: > empty.txt
echo "spaces in the name" > "sp ace.txt"
echo "in a subfolder" > sub/in.txt
echo "ソと表は二バイト目が 5C" > "ソ表.txt"
echo "Shift-JIS folder" > "表/ソ.txt"
touch -d '1999-11-20 12:34:56' text.txt t8192.txt t8193.txt empty.txt "sp ace.txt" sub/in.txt "ソ表.txt" "表/ソ.txt"

plain=(text.txt t8192.txt t8193.txt empty.txt "sp ace.txt" sub/in.txt)
jlha c0q ../level0.lzh "${plain[@]}" > /dev/null
jlha c1q ../level1.lzh "${plain[@]}" > /dev/null
jlha c1zq ../stored.lzh "${plain[@]}" > /dev/null
jlha c0zq ../stored0.lzh "${plain[@]}" > /dev/null
jlha c2q ../level2.lzh sub/in.txt > /dev/null
# Small archives with both methods, also the fuzzer's seeds.
jlha c0q ../small0.lzh t8193.txt sub/in.txt > /dev/null
jlha c1q ../small1.lzh t8193.txt "sp ace.txt" > /dev/null
jlha c0yq ../sjis0.lzh "ソ表.txt" "表/ソ.txt" > /dev/null
jlha c1yq ../sjis1.lzh "ソ表.txt" "表/ソ.txt" > /dev/null

for archive in ../*.lzh; do
  lhasa t "$archive" > /dev/null || { echo "lhasa rejects $archive" >&2; exit 1; }
done
