#!/usr/bin/env bash
# run-all.sh [BUILD_DIR [cmake options...]] - installs what is missing,
# builds, and runs every test.
set -e
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -DZV_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
