#!/usr/bin/env bash
# build.sh SRCDIR OUTDIR MODEL - builds the example for one processor model
# with the zv-as, zv-ld and ar found on PATH, printing each command.
set -e
src=$1
out=$2
model=$3

run() {
  echo "\$ $*"
  "$@"
}

mkdir -p "$out/lib"
# Both sources and the library member carry debugging information; the
# include file is found through -I, not beside the source.
for name in start sum limit; do
  run zv-as --arch="$model" -g -I "$src" -o "$out/$name.o" "$src/$name.s"
done
rm -f "$out/lib/libexample.a"
run ar rcs "$out/lib/libexample.a" "$out/limit.o"
# The map also names the code rows that units.sh shows.
echo "\$ zv-ld -M -e start -L $out/lib -lexample -o $out/image.bin" \
  "$out/start.o $out/sum.o >$out/image.map"
zv-ld -M -e start -L "$out/lib" -lexample -o "$out/image.bin" \
  "$out/start.o" "$out/sum.o" >"$out/image.map"
cat "$out/image.map"
