#!/usr/bin/env bash
# deps.sh - installs the Debian packages the build and the tests need,
# asking apt only when something is missing.
set -e
# groff-base and man-db render the manual pages; dpkg-dev and file let
# cpack name the libraries the Debian package depends on.
pkgs=(g++ cmake make libelf-dev libdwarf-dev zlib1g-dev libgtest-dev
      libgmock-dev libbenchmark-dev binutils llvm groff-base man-db dpkg-dev
      file)
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
