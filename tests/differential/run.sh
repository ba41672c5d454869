#!/usr/bin/env bash
# run.sh BINDIR - assembles every source of this folder with zv-as (both
# models) and with the host's GNU as (--32) and compares their .data bytes
# as readelf shows them. The sources keep to what both languages share: no
# ';' comments, data directives only. Exit 77 (skipped) without GNU as.
set -u
bindir=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v as >/dev/null || { echo "no GNU as on PATH"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for src in "$here"/*.s; do
  name=$(basename "$src" .s)
  if ! as --32 "$src" -o "$work/gnu.o" 2>"$work/gnu.err" ||
    [ -s "$work/gnu.err" ]; then
    echo "FAIL [$name]: GNU as:"; cat "$work/gnu.err"; status=1; continue
  fi
  readelf -x .data "$work/gnu.o" >"$work/gnu.txt"
  for model in ZP100 ZP200; do
    if ! "$bindir/zv-as" --arch=$model "$src" -o "$work/zv.o" \
      2>"$work/zv.err" || [ -s "$work/zv.err" ]; then
      echo "FAIL [$name $model]: zv-as:"; cat "$work/zv.err"; status=1
      continue
    fi
    readelf -x .data "$work/zv.o" >"$work/zv.txt"
    if ! diff -u "$work/gnu.txt" "$work/zv.txt"; then
      echo "FAIL [$name $model]: .data differs from GNU as"; status=1
    fi
  done
done
exit $status
