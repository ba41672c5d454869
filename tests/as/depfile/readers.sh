#!/bin/sh
# readers.sh DEPFILE TARGET FILE... - reads DEPFILE with make: TARGET is up
# to date while it is newer than every FILE, and out of date as soon as any
# one of them is newer than it.
dep=$1 target=$2
shift 2
cp "$dep" reader.d
printf 'include reader.d\n%%.o:\n\t@:\n' >reader.mk
check() {
  if make -q -f reader.mk "$target" 2>/dev/null; then
    echo "make: up to date"
  else
    echo "make: out of date after touching $1"
  fi
}
touch -d '2000-01-01' "$@"
touch -d '2001-01-01' "$target"
check nothing
for f in "$@"; do
  touch -d '2002-01-01' "$f"
  check "$f"
  touch -d '2000-01-01' "$f"
done
