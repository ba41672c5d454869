#!/usr/bin/env bash
# cmake.sh BUILD_DIR SOURCE_DIR - builds the example with CMake's ZVASM
# language, with both generators and both models, from the source tree's
# module and then from a scratch install: the image is the one
# examples/build.sh makes, and touching the included file rebuilds exactly
# the objects that include it, the archive and the image.
set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
. "$(dirname "$0")/common.sh"

# A scratch copy of the example: the test touches its include file.
cp -r "$source/examples" "$work/src"
built_path="$build/as:$build/ld:/usr/bin:/bin"
outputs=(CMakeFiles/example.dir/limit.s.o CMakeFiles/app.dir/start.s.o
  CMakeFiles/app.dir/sum.s.o libexample.a app)
# What including example.inc makes: limit.s and start.s, the archive that
# holds limit's object and the image; sum.s does not include it.
after_touch='CMakeFiles/example.dir/limit.s.o
CMakeFiles/app.dir/start.s.o
libexample.a
app'

# The reference images, made by the script the README shows.
for model in ZP100 ZP200; do
  (cd "$work" && env -i PATH="$built_path" bash "$source/examples/build.sh" \
    "$work/src" "ref/$model" "$model") >"$work/ref.$model.log" 2>&1 ||
    fail "examples/build.sh failed for $model: $(cat "$work/ref.$model.log")"
done

stamps() { # build dir -> each output's modification time, "-" when missing
  local f
  for f in "${outputs[@]}"; do
    if [ -e "$1/$f" ]; then echo "$f $(stat -c %y "$1/$f")"; else echo "$f -"; fi
  done
}
changed() { # stamps before, stamps after -> the outputs made again
  diff <(echo "$1") <(echo "$2") | sed -n 's/^> \([^ ]*\) .*/\1/p'
}
run_build() { # generator, build dir, PATH
  case $1 in
  Ninja) env -i PATH="$3" ninja -C "$2" ;;
  *) env -i PATH="$3" make -C "$2" ;;
  esac
}

# example NAME GENERATOR MODEL PATH REFERENCE [cmake options]: configures
# and builds NAME; the image must equal REFERENCE (when not "-"); then no
# output is made again without a change, and exactly $after_touch after
# example.inc is touched.
example() {
  local name=$1 generator=$2 model=$3 path=$4 reference=$5
  shift 5
  local dir=$work/$name log=$work/$name.log
  if ! env -i PATH="$path" HOME="$work" cmake -S "$work/src" -B "$dir" \
    -G "$generator" "$@" >"$log" 2>&1 ||
    ! run_build "$generator" "$dir" "$path" >>"$log" 2>&1; then
    cat "$log"
    fail "$name: configuring or building the example failed"
    return 1
  fi
  local machine want
  machine=$(readelf -h "$dir/app" | awk '/Machine:/ { print $NF }')
  case $model in ZP100) want=0x8100 ;; *) want=0x8101 ;; esac
  [ "$machine" = "$want" ] ||
    fail "$name: the image is for machine $machine, not $model"
  if [ "$reference" != - ]; then
    cmp -s "$dir/app" "$reference" ||
      fail "$name: the image differs from the one examples/build.sh makes"
  fi
  local before after
  before=$(stamps "$dir")
  run_build "$generator" "$dir" "$path" >>"$log" 2>&1 || fail "$name: rebuild"
  after=$(stamps "$dir")
  [ -z "$(changed "$before" "$after")" ] ||
    fail "$name: made again with nothing changed: $(changed "$before" "$after")"
  touch "$work/src/example.inc"
  run_build "$generator" "$dir" "$path" >>"$log" 2>&1 || fail "$name: rebuild"
  before=$after
  after=$(stamps "$dir")
  [ "$(changed "$before" "$after")" = "$after_touch" ] ||
    fail "$name: touching example.inc made again:
$(changed "$before" "$after")"
  return 0
}

modules=$source/cmake/Zorvel
# ZP100 from the model the example's CMakeLists.txt sets, ZP200 from a
# toolchain file; Debug builds with -g, as examples/build.sh does.
example ninja-zp100 Ninja ZP100 "$built_path" "$work/ref/ZP100/image.bin" \
  -DCMAKE_MODULE_PATH="$modules" -DCMAKE_BUILD_TYPE=Debug
example make-zp200 "Unix Makefiles" ZP200 "$built_path" \
  "$work/ref/ZP200/image.bin" -DCMAKE_TOOLCHAIN_FILE="$modules/Zorvel-ZP200.cmake" \
  -DCMAKE_BUILD_TYPE=Debug
# A Release build has no debugging information; a definition becomes
# --defsym.
if example ninja-zp200 Ninja ZP200 "$built_path" - \
  -DCMAKE_MODULE_PATH="$modules" -DZORVEL_MODEL=ZP200 \
  -DCMAKE_BUILD_TYPE=Release -DEXAMPLE_STEP=3; then
  object=$work/ninja-zp200/CMakeFiles/app.dir/start.s.o
  readelf -SW "$object" | grep -q '\.debug_info' &&
    fail "ninja-zp200: a Release object has debugging information"
  readelf -sW "$object" | grep -qE ' 00000003 .* ABS STEP$' ||
    fail "ninja-zp200: --defsym STEP=3 did not reach start.s"
fi
example make-zp100 "Unix Makefiles" ZP100 "$built_path" - \
  -DCMAKE_TOOLCHAIN_FILE="$modules/Zorvel-ZP100.cmake"

# A model the toolchain does not know stops the configuration.
if env -i PATH="$built_path" cmake -S "$work/src" -B "$work/bad" -G Ninja \
  -DCMAKE_MODULE_PATH="$modules" -DZORVEL_MODEL=ZP300 >"$work/bad.log" 2>&1; then
  fail "ZORVEL_MODEL=ZP300 was accepted"
else
  grep -q "ZORVEL_MODEL is 'ZP300'" "$work/bad.log" ||
    fail "no word on ZORVEL_MODEL=ZP300: $(cat "$work/bad.log")"
fi

# The installed module finds the installed programs beside it, with
# nothing of the build tree on PATH.
prefix=$work/prefix
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  fail "cmake --install"
else
  example installed-ninja Ninja ZP100 /usr/bin:/bin "$work/ref/ZP100/image.bin" \
    -DZORVEL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Debug
  example installed-make "Unix Makefiles" ZP200 /usr/bin:/bin \
    "$work/ref/ZP200/image.bin" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Zorvel/Zorvel-ZP200.cmake" \
    -DCMAKE_BUILD_TYPE=Debug
  for name in installed-ninja installed-make; do
    grep -qx "CMAKE_ZVASM_COMPILER:FILEPATH=$prefix/bin/zv-as" \
      "$work/$name/CMakeCache.txt" ||
      fail "$name: not built with the installed zv-as"
  done
fi

[ "$status" = 0 ] && echo "cmake: 2 generators, 2 models, installed module; rebuilds exact"
exit "$status"
