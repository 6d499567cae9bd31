#!/bin/sh
# Installs what is missing (test tools included), builds into build/ and runs
# the whole test suite; then builds everything again into build-asan/ with
# AddressSanitizer and UBSan and runs the suite there. Exits non-zero when any
# test fails.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh test
jobs=$(nproc)
# The tests in an X server mostly wait for it and for the program: twice as
# many tests as cores run at once.
test_jobs=$((2 * jobs))
# Ninja for folders made here (an existing folder keeps its generator); a
# warning stops the build. Line tables only (-g1): a failure's backtrace
# names the lines, and the build takes a quarter less time than at -g.
export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"
cmake -S . -B build -DZFK_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$test_jobs"

# -O1 with line tables only: the sanitizers see the same faults and name the
# lines, and the second build compiles faster than at -O2. The
# format and include checks read the sources, which the first run did.
cmake -S . -B build-asan -DZFK_TESTS=ON -DZFK_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$test_jobs" -E '^style_'
