#!/usr/bin/env bash
# run-transcript.sh BINDIR CASE - runs a transcript case in a scratch copy of
# its folder and compares what the commands print with the case itself.
#
# CASE is a file whose lines are commands ("$ " and the command, run by bash
# in the folder with the programs of BINDIR first on PATH), comments (lines
# that begin with "#"), and below each command what it must print: its
# standard output as it is, then each line of its standard error with "2> "
# in front, then "[exit N]" when its status N is not 0. The case passes when
# the transcript made by running the commands equals the file, and every
# executable image the commands leave behind reads cleanly: readelf -a
# says nothing on its error stream, and llvm-dwarfdump --verify finds no
# error in an image with debugging information.
set -u
bindir=$1
case_file=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
src_dir=$(dirname "$case_file")
export PATH="$bindir:$PATH"
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/case"
cp -r "$src_dir/." "$work/case/"
cd "$work/case" || exit 1

actual="$work/transcript"
: >"$actual"
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
  '$ '*)
    echo "$line" >>"$actual"
    bash -c "${line#'$ '}" >"$work/out" 2>"$work/err" </dev/null
    rc=$?
    cat "$work/out" >>"$actual"
    sed 's/^/2> /' "$work/err" >>"$actual"
    [ "$rc" = 0 ] || echo "[exit $rc]" >>"$actual"
    ;;
  '#'*) echo "$line" >>"$actual" ;;
  esac
done <"$case_file"

status=0
while IFS= read -r -d '' file; do
  [ "$(od -An -tx1 -N4 "$file" | tr -d ' ')" = 7f454c46 ] || continue
  readelf -h "$file" 2>/dev/null | grep -q 'EXEC (Executable file)' || continue
  if ! readelf -a "$file" 2>&1 >/dev/null | diff /dev/null - >/dev/null; then
    echo "FAIL: readelf -a complains about ${file#./}:"
    readelf -a "$file" 2>&1 >/dev/null
    status=1
  fi
  if readelf -S "$file" 2>/dev/null | grep -q '\.debug_info' &&
    ! llvm-dwarfdump --verify "$file" 2>/dev/null | grep -q '^No errors\.$'; then
    echo "FAIL: llvm-dwarfdump --verify finds errors in ${file#./}:"
    llvm-dwarfdump --verify "$file" 2>/dev/null | tail -5
    status=1
  fi
done < <(find . -type f -print0)

# ZV_TRANSCRIPT_OUT keeps the transcript, for writing a new case.
[ -n "${ZV_TRANSCRIPT_OUT:-}" ] && cp "$actual" "$ZV_TRANSCRIPT_OUT"
if ! diff -u "$case_file" "$actual"; then
  echo "FAIL: $case_file"
  exit 1
fi
exit $status
