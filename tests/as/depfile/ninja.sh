#!/bin/sh
# ninja.sh "ARGS" - builds nested.o with Ninja through a rule that has zv-as
# write its dependency file (deps = gcc), shows what Ninja recorded, and
# whether touching an include found through it makes Ninja build again.
cat >build.ninja <<RULES
rule as
  command = zv-as $1 --MD \$out.d -o \$out \$in
  depfile = \$out.d
  deps = gcc
build ninja.o: as nested.s
RULES
ninja >/dev/null || exit 1
ninja -t deps | sed 's/deps mtime [0-9]*/deps mtime N/'
echo "after the build: $(ninja -n | grep -c 'zv-as') to run"
touch -d '2100-01-01' 'with space/a-rather-long-name-for-an-include-file.inc'
echo "after touching an include: $(ninja -n | grep -c 'zv-as') to run"
