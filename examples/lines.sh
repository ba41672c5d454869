#!/usr/bin/env bash
# lines.sh IMAGE - shows the line table of a ZP100 image made from -g
# objects: each operation's source line at the row and unit it was dealt to.
# An address there is ((row * 4) + unit) * 8 plus the byte in the row.
set -e
set -o pipefail
llvm-dwarfdump --debug-line "$1" 2>/dev/null |
  while read -r first second rest; do
    case $first in
    name:) file=${second//\"/} ;;
    0x*)
      position=$((first))
      where="row $((position / 32)) unit $((position / 8 % 4))"
      if [[ $rest == *end_sequence* ]]; then
        printf '  %-12s end          %s\n' "$file" "$where"
      else
        printf '  %-12s line %-7s %s\n' "$file" "$second" "$where"
      fi
      ;;
    esac
  done
