#!/bin/sh
# The sources follow .clang-format. Names the files that drift from it.
set -u
cd "$1" || exit 2
command -v clang-format >/dev/null || { echo "clang-format is missing (tools/deps.sh test)"; exit 1; }
drift=$(find app builtin data platform print settings tests tools widgets -name '*.cpp' -o -name '*.h' |
    sort | while IFS= read -r f; do
        clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"
    done)
if [ -n "$drift" ]; then
    echo "Not formatted as .clang-format says (run clang-format -i on them):"
    echo "$drift"
    exit 1
fi
