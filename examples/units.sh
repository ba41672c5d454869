#!/usr/bin/env bash
# units.sh IMAGE [MAP] - shows the program memory of a ZP100 image with its
# four processing units side by side, one row (8 bytes of each unit) a line;
# the code labels of the link map MAP (zv-ld -M) are named at their rows.
set -e
image=$1
map=${2:-}

# Program memory segments are the executable ones, units 0 to 3 in order.
mapfile -t segments < <(readelf -lW "$image" |
  awk '$1 == "LOAD" && $8 == "E" { print $2, $5 }')
if [ "${#segments[@]}" != 4 ]; then
  echo "units.sh: $image: not a ZP100 image (no four program memory segments)" >&2
  exit 1
fi

{
  if [ -n "$map" ]; then
    awk '/^File / { section = "" }
         /^    section / { section = $2 }
         /^\t/ && section == ".text" { print $3, $2 }' "$map" |
      while read -r value name; do echo "L $((value)) $name"; done
  fi
  for unit in 0 1 2 3; do
    read -r offset size <<<"${segments[$unit]}"
    od -An -v -tx1 -j $((offset)) -N $((size)) "$image" |
      awk -v unit="$unit" '{ for (i = 1; i <= NF; i++) print "B", unit, $i }'
  done
} | awk '
$1 == "L" { row = $2; labels[row] = labels[row] " " $3; next }
{
  unit = $2; n = count[unit]++
  row = int(n / 8)
  cell[row, unit] = cell[row, unit] $3 ((n % 8 == 3) ? " " : "")
  if (row + 1 > rows) rows = row + 1
}
END {
  printf "%4s  %-17s  %-17s  %-17s  %s\n", "row", "unit 0", "unit 1", "unit 2", "unit 3"
  for (row = 0; row < rows; row++) {
    line = sprintf("%4d", row)
    for (unit = 0; unit < 4; unit++)
      line = line sprintf("  %-17s", cell[row, unit])
    if (row in labels) line = line " " labels[row]
    sub(/ +$/, "", line)
    print line
  }
}'
