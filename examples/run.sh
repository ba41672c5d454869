#!/usr/bin/env bash
# run.sh - installs what is missing, builds the two programs, builds the
# example for both processor models (examples/build.sh) and shows what the
# images hold: the ZP200 code as the disassembler reads it, the rebuilt
# ZP100 line table (lines.sh), the program headers and the four ZP100
# processing units side by side (units.sh).
set -e
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target zv-as zv-ld zv-objdump
export PATH="$PWD/build/as:$PWD/build/ld:$PWD/build/objdump:$PATH"
out=build/examples

for model in ZP100 ZP200; do
  echo
  echo "== $model: two sources and a library member, linked from the entry label start"
  bash examples/build.sh examples "$out/$model" "$model"
done

echo
echo "== zv-objdump -d: the ZP200 image's code"
zv-objdump -d "$out/ZP200/image.bin"

echo
echo "== ZP100 line table (-g): each operation's source line at its row and unit"
bash examples/lines.sh "$out/ZP100/image.bin"

for model in ZP100 ZP200; do
  echo
  echo "== $model program headers"
  readelf -lW "$out/$model/image.bin" | sed -n '/^Program Headers:/,/^$/p'
done

echo "== ZP100 processing units, 8 bytes of each a row"
bash examples/units.sh "$out/ZP100/image.bin" "$out/ZP100/image.map"
