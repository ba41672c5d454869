#!/usr/bin/env bash
# deps.sh [fuzz] - installs the Debian packages the build and the tests
# need (with "fuzz", also those of the fuzz targets), asking apt only when
# something is missing.
set -e
# groff-base and man-db render the manual pages; dpkg-dev and file let
# cpack name the libraries the Debian package depends on; time measures a
# linker case's memory; ninja-build builds the example with CMake's Ninja
# generator; bsdutils has script, the pseudo-terminal of the message cases.
pkgs=(g++ cmake make libelf-dev libdwarf-dev zlib1g-dev libgtest-dev
      libgmock-dev libbenchmark-dev binutils llvm groff-base man-db dpkg-dev
      file time ninja-build bsdutils)
# The fuzz targets: clang with its sanitizer and libFuzzer runtimes.
if [ "${1:-}" = fuzz ]; then
  pkgs+=(clang libclang-rt-dev)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
