#!/bin/sh
# Installs what is missing, builds into build/ and starts the program.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh build
cmake -S . -B build -DZFK_TESTS=OFF
cmake --build build -j"$(nproc)" --target pertab
exec build/pertab
