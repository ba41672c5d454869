#!/usr/bin/env bash
# fuzz.sh TARGET SECONDS - builds the libFuzzer targets with clang in
# build-fuzz/ and runs one of them for SECONDS seconds: "as" (the assembler),
# "ld" (the linker on raw bytes) or "ld-obj" (the linker on real objects
# mutated field by field). It starts from the seeds and from the corpus kept
# by earlier runs in build-fuzz/fuzz/corpus/TARGET. Any finding (a crash, a
# sanitizer report, a leak, a timeout, running out of memory, an input slower
# than a second per kilobyte) fails the run and leaves the input in
# build-fuzz/fuzz/findings/TARGET/. Options after SECONDS go to libFuzzer.
set -eu
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "usage: $0 as|ld|ld-obj SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
case $target in
as) seeds=as dict=fuzz/dict/zv-as.dict max_len=8192 ;;
ld | ld-obj) seeds=ld dict=fuzz/dict/zv-ld.dict max_len=16384 ;;
*)
  echo "$0: unknown target '$target' (as, ld or ld-obj)" >&2
  exit 2
  ;;
esac

bash scripts/deps.sh fuzz
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DZV_FUZZ=ON -DZV_BENCH=OFF \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target "zv-fuzz-$target" zv-fuzz-seeds

corpus=$build/fuzz/corpus/$target
findings=$build/fuzz/findings/$target
mkdir -p "$corpus" "$findings"
# The largest input allowed gets a second per kilobyte before it counts as
# hanging; the targets hold every input to that rate themselves.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=10}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
"$build/fuzz/zv-fuzz-$target" -max_total_time="$seconds" \
  -max_len=$max_len -timeout=$((max_len / 1024)) -rss_limit_mb=2048 \
  -dict="$dict" -artifact_prefix="$findings/" -print_final_stats=1 "$@" \
  "$corpus" "$build/fuzz/seeds/$seeds"
