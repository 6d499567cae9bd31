#!/bin/sh
# Installs what is missing (test tools included), builds into build/ and runs
# the whole test suite; then builds everything again into build-asan/ with
# AddressSanitizer and UBSan and runs the suite there. Exits non-zero when any
# test fails.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh test
cmake -S . -B build -DZFK_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# -O1 with line tables only: the sanitizers see the same faults and name the
# lines, and the second build compiles faster than at -O2 -g. The
# format and include checks read the sources, which the first run did.
cmake -S . -B build-asan -DZFK_TESTS=ON -DZFK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^style_'
