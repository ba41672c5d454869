#!/usr/bin/env bash
# round-trip.sh BINDIRS TESTDIR - assembles every source of the assembler
# cases (TESTDIR/as/**/<name>.s with each of its .args variants) and of
# TESTDIR/objdump/sources, writes every object that assembles back as
# source with zv-objdump --source in both syntaxes, assembles that source
# again and compares the two objects with zv-objcmp (sections, contents,
# symbols and relocations; the debugging sections left out). Every
# mismatch is reported; the status is 1 when there is one.
set -u
export PATH="$1:$PATH"
tests=$2
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
objects=0
sources=0
failed=0

known=0
report() { # label, what went wrong, file with the details
  echo "MISMATCH $1: $2"
  sed 's/^/    /' "$3"
  failed=$((failed + 1))
}

# Differences that come from the assembler's object, not from the round
# trip: "label|line zv-objcmp prints", one a line.
known_lines() { # label
  grep -v '^#' "$tests/objdump/known-mismatches" | awk -F'|' -v l="$1" '$1 == l { print $2 }'
}

while IFS= read -r src; do
  dir=$(dirname "$src")
  base=$(basename "$src" .s)
  variants=()
  for f in "$dir/$base".*.args; do
    [ -e "$f" ] && variants+=("$f")
  done
  if [ ${#variants[@]} -eq 0 ]; then
    if [ -e "$dir/$base.args" ]; then variants=("$dir/$base.args"); else variants=(""); fi
  fi
  for af in "${variants[@]}"; do
    args=--arch=ZP100
    [ -n "$af" ] && args=$(cat "$af")
    label=${src#"$tests"/}${af:+ ($(basename "$af"))}
    rm -rf "$work/case"
    mkdir "$work/case"
    cp -r "$dir/." "$work/case/"
    cd "$work/case" || exit 1
    # Only sources that assemble make an object to write back.
    eval "zv-as $args -o orig.o $base.s" >/dev/null 2>&1 || continue
    objects=$((objects + 1))
    arch=$(echo "$args" | grep -o -- '--arch=ZP[0-9]*' | tail -1)
    for syntax in V1 V2; do
      sources=$((sources + 1))
      if ! zv-objdump --source --syntax=$syntax orig.o >re.s 2>err; then
        report "$label" "zv-objdump --source --syntax=$syntax failed" err
      elif ! zv-as "$arch" --syntax=$syntax -o re.o re.s >/dev/null 2>err; then
        cat re.s >>err
        report "$label" "the $syntax source does not assemble" err
      elif ! zv-objcmp orig.o re.o >err 2>&1; then
        if [ -n "$(known_lines "$label")" ] &&
          ! grep -vxF -f <(known_lines "$label") err >/dev/null; then
          known=$((known + 1))
        else
          report "$label" "the $syntax source assembles to another object" err
        fi
      fi
    done
    cd / || exit 1
  done
done < <(find "$tests/as" "$tests/objdump/sources" -name '*.s' | sort)

echo "round trip: $objects objects, $sources sources written back," \
  "$failed mismatches, $known known differences of the assembler"
[ "$failed" = 0 ]
