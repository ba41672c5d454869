#!/usr/bin/env bash
# zv-example MODEL OUTDIR - builds the bundled example for one model into
# OUTDIR with the programs on PATH, as examples/build.sh does, quietly.
set -e
examples=$(cd "$(dirname "$(readlink -f "$0")")/../../examples" && pwd)
bash "$examples/build.sh" "$examples" "$2" "$1" >/dev/null
