#!/usr/bin/env bash
# prefix.sh BUILD_DIR SOURCE_DIR - installs the build into a scratch prefix
# and checks what a user gets: the three programs, the pages and the CMake
# module only, the programs run from another directory and link the example
# as the built ones do, and both pages render without a warning and cover every option.
set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
. "$(dirname "$0")/common.sh"

prefix=$work/prefix
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

expected='bin/zv-as
bin/zv-ld
bin/zv-objdump
lib/cmake/Zorvel/CMakeDetermineZVASMCompiler.cmake
lib/cmake/Zorvel/CMakeTestZVASMCompiler.cmake
lib/cmake/Zorvel/CMakeZVASMCompiler.cmake.in
lib/cmake/Zorvel/CMakeZVASMInformation.cmake
lib/cmake/Zorvel/Zorvel-ZP100.cmake
lib/cmake/Zorvel/Zorvel-ZP200.cmake
lib/cmake/Zorvel/ZorvelLink.cmake
share/man/man1/zv-as.1
share/man/man1/zv-ld.1
share/man/man1/zv-objdump.1
share/man/man7/zv-isa.7'
actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"

# Nothing may lead the installed programs back into the build tree.
for program in zv-as zv-ld zv-objdump; do
  if readelf -d "$prefix/bin/$program" | grep -qE 'RPATH|RUNPATH'; then
    fail "$program carries a run-time library path"
  fi
done

# The example, built once with the installed programs and once with the
# built ones, each from a directory of its own with a bare environment.
build_example() { # directory, PATH head, model
  mkdir -p "$work/$1"
  (cd "$work/$1" &&
    env -i PATH="$2:/usr/bin:/bin" bash "$source/examples/build.sh" \
      "$source/examples" "$3" "$3") >"$work/$1.$3.log" 2>&1
}
for model in ZP100 ZP200; do
  if ! build_example installed "$prefix/bin" $model; then
    cat "$work/installed.$model.log"
    fail "$model: the installed programs failed on the example"
    continue
  fi
  build_example built "$build/as:$build/ld" $model ||
    fail "$model: the built programs failed on the example"
  for file in start.o sum.o lib/libexample.a image.bin image.map; do
    cmp -s "$work/installed/$model/$file" "$work/built/$model/$file" ||
      fail "$model: $file differs from the one the built programs make"
  done
  out=$work/installed/$model
  grep -q "^File $model/lib/libexample.a(limit.o)\$" "$out/image.map" ||
    fail "$model: the map lists no library member"
  loads=$(readelf -lW "$out/image.bin" | grep -c '^ *LOAD')
  first=$(od -An -tx1 -j $((0x34)) -N 4 "$out/image.bin" | tr -d ' ')
  case $model in
  ZP100) want_loads=5 want_first=7a080000 ;;
  ZP200) want_loads=2 want_first=0000407a ;;
  esac
  [ "$loads" = "$want_loads" ] ||
    fail "$model: $loads loadable segments, not $want_loads"
  [ "$first" = "$want_first" ] ||
    fail "$model: the image begins with $first, not the entry code"
done

# The tour's views of the ZP100 image: the entry code at row 0 jumps to
# start at row 1, whose first operation went to unit 0.
out=$work/installed/ZP100
units=$(bash "$source/examples/units.sh" "$out/image.bin" "$out/image.map")
grep -qE '^ +0  7a080000 00000001  ' <<<"$units" ||
  fail "units.sh shows no entry code at row 0:
$units"
grep -qE '^ +1  .*  start$' <<<"$units" ||
  fail "units.sh names no start at row 1:
$units"
lines=$(bash "$source/examples/lines.sh" "$out/image.bin")
grep -qE '^  start\.s +line [0-9]+ +row 1 unit 0$' <<<"$lines" ||
  fail "lines.sh shows no line of start.s at row 1 unit 0:
$lines"

# Both pages: no warning from groff or man, found through the prefix by
# man itself, quoting the version banner and naming every option of the
# program's usage text.
version_of() { "$prefix/bin/$1" -V 2>&1 </dev/null; }
for program in zv-as zv-ld zv-objdump; do
  page=$prefix/share/man/man1/$program.1
  warnings=$(groff -ww -man -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $program.1:
$warnings"
  MANWIDTH=80 MANROFFSEQ= MANPAGER=cat PAGER=cat \
    man --warnings -l "$page" >"$work/$program.txt" 2>"$work/$program.err"
  [ -s "$work/$program.err" ] && fail "man -l $program.1 warns:
$(cat "$work/$program.err")"
  MANWIDTH=80 MANPAGER=cat PAGER=cat man -M "$prefix/share/man" "$program" \
    >"$work/$program.found" 2>/dev/null
  cmp -s "$work/$program.txt" "$work/$program.found" ||
    fail "man -M $prefix/share/man $program does not show the installed page"
  grep -q "^NAME" "$work/$program.txt" || fail "$program.1 renders no NAME"
  banner=$(version_of "$program")
  grep -qF "\"$banner\"" "$work/$program.txt" ||
    fail "$program.1 does not quote the banner \"$banner\""
  # The version is the build's: a page that still names an older one fails.
  long=$("$prefix/bin/$program" --version | head -1)
  grep -qF "\"$long\"" "$work/$program.txt" ||
    fail "$program.1 does not quote the --version line \"$long\""
  "$prefix/bin/$program" -h 2>&1 | awk -F ' - ' '/^\t/ { print $1 }' |
    tr ',' '\n' | sed 's/^[[:space:]]*//; s/=.*//' >"$work/$program.options"
  [ -s "$work/$program.options" ] || fail "no options in $program -h"
  while read -r option; do
    grep -qF -- "$option" "$work/$program.txt" ||
      fail "$program.1 does not describe $option"
  done <"$work/$program.options"
done

# The instruction-set page: found by man in section 7, rendered without a
# warning, naming operations of both models.
isa=$prefix/share/man/man7/zv-isa.7
warnings=$(groff -ww -man -z "$isa" 2>&1)
[ -z "$warnings" ] || fail "groff warns about zv-isa.7:
$warnings"
MANWIDTH=80 MANPAGER=cat PAGER=cat man -M "$prefix/share/man" 7 zv-isa \
  >"$work/zv-isa.txt" 2>"$work/zv-isa.err"
[ -s "$work/zv-isa.err" ] && fail "man 7 zv-isa warns:
$(cat "$work/zv-isa.err")"
grep -q '^ZV-ISA(7)' "$work/zv-isa.txt" || fail "man 7 zv-isa shows no page"
for word in madd forsge PSW DFADDR; do
  grep -qw "$word" "$work/zv-isa.txt" || fail "zv-isa(7) does not name $word"
done

# The installed disassembler reads the image the installed linker made.
"$prefix/bin/zv-objdump" -d "$work/installed/ZP200/image.bin" >"$work/od.txt" 2>&1 &&
  grep -q 'jmp' "$work/od.txt" ||
  fail "the installed zv-objdump does not list the example's image"

[ "$status" = 0 ] && echo "installed: 3 programs, 4 pages, the CMake module; example linked"
exit "$status"
