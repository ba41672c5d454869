#!/usr/bin/env bash
# run-case.sh BINDIR CASE - runs one command-line case in a scratch copy of
# its folder and compares stdout, stderr, exit status and object dumps.
#
# CASE is either <name>.s (assembled as "zv-as ARGS <name>.s") or <name>.cmd
# (whose text is the whole argument list). Beside it:
#   <name>[.V].args  arguments for the source (default --arch=ZP100); every
#                    <name>.V.args is a variant V with its own expectations
#   <name>[.V].out   expected stdout   (absent: empty)
#   <name>[.V].err   expected stderr   (absent: empty)
#   <name>[.V].rc    expected status   (absent: 0)
#   <name>[.V].dump  blocks "$ command" + expected output; OBJ in the command
#                    stands for the object file
# A source case that fails must leave no object behind.
set -u
bindir=$1
case_file=$2
src_dir=$(dirname "$case_file")
base=$(basename "$case_file")
name=${base%.*}
kind=${base##*.}
export PATH="$bindir:$PATH"

status=0
fail() { echo "FAIL [$1]: $2"; status=1; }

expect_file() { # variant suffix, kind -> path of the expectation or ""
  if [ -n "$1" ] && [ -e "$src_dir/$name.$1.$2" ]; then echo "$src_dir/$name.$1.$2"
  elif [ -e "$src_dir/$name.$2" ]; then echo "$src_dir/$name.$2"
  fi
}

compare() { # label, expected file (may be ""), actual file
  local want=$2
  if [ -z "$want" ]; then want=/dev/null; fi
  if ! diff -u "$want" "$3" >"$work/diff.txt"; then
    fail "$1" "output differs"; cat "$work/diff.txt"
  fi
}

run_variant() { # variant suffix ("" for the plain case)
  local v=$1
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  mkdir "$work/case"
  cp -r "$src_dir/." "$work/case/"
  cd "$work/case" || exit 1
  local args rc want_rc
  if [ "$kind" = cmd ]; then
    eval "set -- $(cat "$name.cmd")"
  else
    local af
    af=$(expect_file "$v" args)
    if [ -n "$af" ]; then args=$(cat "$af"); else args=--arch=ZP100; fi
    eval "set -- $args"
    set -- "$@" "$base"
  fi
  zv-as "$@" >"$work/stdout" 2>"$work/stderr"
  rc=$?
  local label="$name${v:+.$v}"
  compare "$label stdout" "$(expect_file "$v" out)" "$work/stdout"
  compare "$label stderr" "$(expect_file "$v" err)" "$work/stderr"
  want_rc=0
  local rf
  rf=$(expect_file "$v" rc)
  [ -n "$rf" ] && want_rc=$(tr -d ' \n' <"$rf")
  [ "$rc" = "$want_rc" ] || fail "$label status" "expected $want_rc, got $rc"
  if [ "$kind" = s ] && [ "$want_rc" != 0 ] && [ -e "$name.o" ]; then
    fail "$label object" "a failed assembly left $name.o behind"
  fi
  local df
  df=$(expect_file "$v" dump)
  if [ -n "$df" ]; then
    local cmd="" expected="$work/expected" actual="$work/actual"
    : >"$expected"; : >"$actual"
    while IFS= read -r line || [ -n "$line" ]; do
      if [[ $line == '$ '* ]]; then
        cmd=${line#'$ '}
        echo "$line" >>"$expected"; echo "$line" >>"$actual"
        eval "${cmd//OBJ/$name.o}" >>"$actual" 2>&1
      else
        echo "$line" >>"$expected"
      fi
    done <"$df"
    compare "$label dump" "$expected" "$actual"
  fi
  cd / || exit 1
}

variants=()
for f in "$src_dir/$name".*.args; do
  [ -e "$f" ] || continue
  v=${f#"$src_dir/$name."}; variants+=("${v%.args}")
done
if [ ${#variants[@]} -eq 0 ]; then variants=(""); fi
for v in "${variants[@]}"; do run_variant "$v"; done
exit $status
