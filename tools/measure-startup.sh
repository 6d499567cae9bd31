#!/bin/sh
# Start-up time: from process start to the main window being mapped, under
# Xvfb, median of N runs. Needs a built tree (build/ by default).
# Usage: tools/measure-startup.sh [BUILD_DIR] [RUNS]
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${2:-9}
xtool=$build/tests/app/xtool
[ -x "$xtool" ] || { echo "build the tests first ($xtool missing)"; exit 2; }

inner() {
    dir=$(mktemp -d)
    cp "$build/pertab" "$build/libDane.so" "$dir/"
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s%N)
        "$dir/pertab" &
        pid=$!
        wid=$("$xtool" wait-mapped "  Zefirak" 20000)
        end=$(date +%s%N)
        echo $(( (end - start) / 1000000 ))
        "$xtool" close "$wid"
        wait $pid || true
        i=$((i + 1))
    done
    rm -rf "$dir"
}

if [ "${ZFK_INNER:-}" = 1 ]; then
    inner
    exit 0
fi
times=$(ZFK_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs" | sort -n)
echo "runs (ms):" $times
echo "median: $(echo "$times" | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}') ms"
