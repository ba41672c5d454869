#!/usr/bin/env bash
# run.sh - installs what is missing, builds, assembles the bundled example
# for both processor models, puts one object into an archive, links the
# image and shows what it holds.
set -e
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target zv-as zv-ld zv-objdump
out=build/examples
mkdir -p "$out"
for model in ZP100 ZP200; do
  dir="$out/$model"
  mkdir -p "$dir"
  for src in sum start limit; do
    build/as/zv-as --arch="$model" "examples/$src.s" -o "$dir/$src.o"
  done
  rm -f "$dir/libexample.a"
  ar rcs "$dir/libexample.a" "$dir/limit.o"
  echo "== zv-ld -M -e start -L $dir -lexample $dir/start.o $dir/sum.o -o $dir/image.bin"
  build/ld/zv-ld -M -e start -L "$dir" -lexample "$dir/start.o" "$dir/sum.o" \
    -o "$dir/image.bin"
  readelf -h -l "$dir/image.bin"
  echo "== zv-objdump -d $dir/image.bin"
  build/objdump/zv-objdump -d "$dir/image.bin"
done
