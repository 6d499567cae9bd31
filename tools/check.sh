#!/bin/sh
# Installs what is missing (test tools included), builds into build/ and runs
# the whole test suite. Exits non-zero when any test fails.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh test
cmake -S . -B build -DZFK_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
