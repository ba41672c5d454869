#!/usr/bin/env bash
# makeseeds.sh ZV_AS SRCDIR OUTDIR - the seed corpora of the fuzz targets:
# OUTDIR/as gets the test sources, OUTDIR/ld objects assembled from them for
# both models (with and without -g), the objects of each linker case joined
# in pairs, and each case's first object with the rest as an archive.
set -eu
zvas=$(realpath "$1")
src=$(realpath "$2")
out=$3
sep=ZVLDPART
entrysep=ZVLDENTR
# Larger files would only be cut short by the targets' -max_len.
max_as=8192
max_ld=16384

rm -rf "$out"
mkdir -p "$out/as" "$out/ld" "$out/objects"
out=$(realpath "$out")
small() { [ "$(stat -c %s "$1")" -le "$2" ]; }

# Sources: every test source and the example, named after their path.
while IFS= read -r -d '' s; do
  rel=${s#"$src"/}
  small "$s" $max_as && cp "$s" "$out/as/${rel//\//_}"
done < <(find "$src/tests" "$src/examples" -name '*.s' -print0 | sort -z)

# Objects: the linker cases' sources, the example and the object-format
# tests, each in its own folder so that its includes resolve.
assemble() { # source model flag name
  (cd "$(dirname "$1")" &&
    "$zvas" --arch="$2" $3 -I "$src/examples" -o "$out/objects/$4" \
      "$(basename "$1")" >/dev/null 2>&1) || rm -f "$out/objects/$4"
}
for dir in "$src"/tests/ld/*/ "$src/examples/" "$src"/tests/as/{object,objmodel,debug,sections,symbols,data}/; do
  name=$(basename "$dir")
  for s in "$dir"*.s; do
    [ -e "$s" ] || continue
    base=$name-$(basename "$s" .s)
    for model in ZP100 ZP200; do
      assemble "$s" $model "" "$base-$model.o"
      assemble "$s" $model -g "$base-$model-g.o"
    done
  done
done
for o in "$out"/objects/*.o; do
  small "$o" $max_ld && cp "$o" "$out/ld/"
done

# Links: the objects of one linker case (and the example) belong together.
join() { # output separator files...
  local target=$1 s=$2 first=1
  shift 2
  : >"$target"
  for f in "$@"; do
    [ $first = 1 ] || printf %s "$s" >>"$target"
    cat "$f" >>"$target"
    first=0
  done
  small "$target" $max_ld || rm -f "$target"
}
for dir in "$src"/tests/ld/*/ "$src/examples/"; do
  name=$(basename "$dir")
  for variant in ZP100 ZP100-g ZP200 ZP200-g; do
    objs=()
    for o in "$out/objects/$name"-*-"$variant".o; do
      [ -e "$o" ] && objs+=("$o")
    done
    [ ${#objs[@]} -ge 2 ] || continue
    for ((i = 0; i + 1 < ${#objs[@]}; i++)); do
      join "$out/ld/pair-$name-$i-$variant" $sep "${objs[i]}" "${objs[i + 1]}"
    done
    join "$out/ld/entry-$name-$variant" $entrysep "${objs[0]}" "${objs[1]}"
    lib="$out/objects/lib-$name-$variant.a"
    rm -f "$lib"
    ar rcs "$lib" "${objs[@]:1}"
    join "$out/ld/archive-$name-$variant" $sep "${objs[0]}" "$lib"
  done
done
rm -rf "$out/objects"
echo "seeds: $(ls "$out/as" | wc -l) sources, $(ls "$out/ld" | wc -l) link inputs"
