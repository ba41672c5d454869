#!/usr/bin/env bash
# run.sh - installs what is missing, builds, and assembles the bundled
# example for both processor models, showing what the objects hold.
set -e
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target zv-as
out=build/examples
mkdir -p "$out"
for model in ZP100 ZP200; do
  obj="$out/sum.$model.o"
  echo "== zv-as --arch=$model examples/sum.s -o $obj"
  build/as/zv-as --arch="$model" examples/sum.s -o "$obj"
  readelf -h -S -s -r "$obj"
  readelf -x .text -x .data "$obj"
done
