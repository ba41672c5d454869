#!/usr/bin/env bash
# zv-segments IMAGE - prints every loadable segment of an image: its header
# line and its bytes in 4-byte words, 8 bytes (one row) a line.
set -e
image=$1
readelf -lW "$image" | awk '$1 == "LOAD" { print $2, $5 }' |
while read -r off size; do
  echo "segment at $off, $size bytes"
  n=$((size))
  [ "$n" -gt 0 ] || continue
  od -An -v -tx1 -j $((off)) -N "$n" "$image" |
    tr -s ' \n' ' ' | sed 's/^ //' |
    awk '{ for (i = 1; i <= NF; i++) { w = w $i; if (i % 4 == 0) { line = line " " w; w = "" } if (i % 8 == 0) { print " " line; line = "" } } if (w != "") line = line " " w; if (line != "") print " " line }'
done
