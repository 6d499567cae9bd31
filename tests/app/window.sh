#!/bin/sh
# The real program in a real X server: its main window maps, the system's
# close command ends the process with exit code 0.
# Usage: window.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

# Run a copy, so the program folder is a fresh one of the test's own.
dir=$(mktemp -d)
# The settings file too goes to the test's own folder, not the home folder.
export XDG_CONFIG_HOME="$dir/config"
trap 'rm -rf "$dir"' EXIT
cp "$src/pertab" "$dir/"
cp -P "$src"/libDane.so* "$dir/"

"$dir/pertab" &
pid=$!
wid=$("$xtool" wait-mapped "  Zefirak" 20000) || { kill $pid; exit 1; }
echo "main window $wid mapped"

geometry=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "787x414" ] || { echo "window is $geometry, not 787x414"; kill $pid; exit 1; }

"$xtool" close "$wid"
rc=0
wait $pid || rc=$?
[ "$rc" -eq 0 ] || { echo "pertab ended with $rc"; exit 1; }
echo "closed with exit code 0"
