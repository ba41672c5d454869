#!/usr/bin/env bash
# package.sh BUILD_DIR - makes the Debian package of the build in a scratch
# directory and checks it: exactly the three programs, their pages and the CMake module, and a
# Depends line that names the package of every library they link.
set -u
build=$(cd "$1" && pwd)
. "$(dirname "$0")/common.sh"

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
debs=("$work"/out/*.deb)
if [ "${#debs[@]}" != 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: cpack made no single package: ${debs[*]}"
  exit 1
fi
deb=${debs[0]}

expected='./usr/bin/zv-as
./usr/bin/zv-ld
./usr/bin/zv-objdump
./usr/lib/cmake/Zorvel/CMakeDetermineZVASMCompiler.cmake
./usr/lib/cmake/Zorvel/CMakeTestZVASMCompiler.cmake
./usr/lib/cmake/Zorvel/CMakeZVASMCompiler.cmake.in
./usr/lib/cmake/Zorvel/CMakeZVASMInformation.cmake
./usr/lib/cmake/Zorvel/Zorvel-ZP100.cmake
./usr/lib/cmake/Zorvel/Zorvel-ZP200.cmake
./usr/lib/cmake/Zorvel/ZorvelLink.cmake
./usr/share/man/man1/zv-as.1
./usr/share/man/man1/zv-ld.1
./usr/share/man/man1/zv-objdump.1
./usr/share/man/man7/zv-isa.7'
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$actual" = "$expected" ] || fail "package files differ:
$actual"

[ "$(dpkg-deb -f "$deb" Package)" = zorvel-toolchain ] ||
  fail "package name: $(dpkg-deb -f "$deb" Package)"

# Every shared library the programs need is a dependency, by the Debian
# package that holds it (dpkg may know the file by its /usr-less path).
depends=$(dpkg-deb -f "$deb" Depends)
[ -n "$depends" ] || fail "no Depends line"
names=$(echo "$depends" | tr ',|' '\n\n' | awk '{ print $1 }')
owner_of() { # library path -> package
  local path
  for path in "$1" "${1#/usr}" "/usr$1"; do
    dpkg -S "$path" 2>/dev/null | sed -n '1s/[:,].*//p' | grep . && return
  done
}
for program in "$build/as/zv-as" "$build/ld/zv-ld" \
  "$build/objdump/zv-objdump"; do
  for lib in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldd "$program" | awk -v lib="$lib" '$1 == lib { print $3 }')
    owner=$(owner_of "$path")
    if [ -z "$owner" ]; then
      fail "$(basename "$program"): no package holds $lib ($path)"
    elif ! grep -qxF "$owner" <<<"$names"; then
      fail "Depends lacks $owner for $lib: $depends"
    fi
  done
done

# The packaged programs run as they are.
dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/zv-as" -V | grep -q '^ZV assembler version' ||
  fail "the packaged zv-as does not run"
"$work/root/usr/bin/zv-ld" -V 2>&1 | grep -q '^ZV linker version' ||
  fail "the packaged zv-ld does not run"
"$work/root/usr/bin/zv-objdump" -V 2>&1 | grep -q '^ZV disassembler version' ||
  fail "the packaged zv-objdump does not run"

[ "$status" = 0 ] && echo "package: $(basename "$deb"); Depends: $depends"
exit "$status"
