#!/bin/sh
# dwarf.sh info|line|rel OBJ - the DWARF of OBJ as llvm-dwarfdump and readelf
# decode it, with the scratch directory and the offsets its length moves
# (the unit's directory is an inline string) written as fixed words.
mask='s/^0x[0-9a-f]\{8\}:/0x________:/
s/length = 0x[0-9a-f]*/length = 0x____/
s/next unit at 0x[0-9a-f]*/next unit at 0x____/
s/DW_AT_sibling\(.*\)(0x[0-9a-f]*)/DW_AT_sibling\1(0x________)/'
case $1 in
info)
  llvm-dwarfdump --debug-info "$2" 2>/dev/null |
    sed -e "s|$PWD|DIR|g" -e "$mask" ;;
line)
  llvm-dwarfdump --debug-line "$2" 2>/dev/null | sed -e "s|$PWD|DIR|g" |
    awk '/^(include_directories|file_names)/ { on = 1 } on' ;;
rel)
  readelf -r -W "$2" 2>/dev/null | sed -n '/debug/,$p' |
    sed -e 's/at offset 0x[0-9a-f]*/at offset 0x____/' \
      -e '/\.rel\.debug_info/,/^$/s/^[0-9a-f]\{8\} /________ /' ;;
esac
