#!/bin/sh
# The program is bound to the data library when it is loaded: it imports its
# three exports by name, and without the library the loader refuses it.
# Usage: binding.sh PERTAB LIBDANE
set -eu
pertab=$1
lib=$2

imports=$(nm -D --undefined-only "$pertab" | awk '{print $NF}')
# GetVersion: the information page shows the library's version record.
for sym in GetShortPierwArray GetLongPierwArray GetVersion; do
    echo "$imports" | grep -qx "$sym" || { echo "pertab does not import $sym"; exit 1; }
done
readelf -d "$pertab" | grep -q 'NEEDED.*\[libDane.so.1\]' || { echo "libDane.so.1 is not a load-time dependency"; exit 1; }

tmp=$(mktemp -d)
# The settings file too goes to the test's own folder, not the home folder.
export XDG_CONFIG_HOME="$tmp/config"
trap 'rm -rf "$tmp"' EXIT
cp "$pertab" "$tmp/pertab"
set +e
QT_QPA_PLATFORM=offscreen timeout 10 "$tmp/pertab" >"$tmp/out" 2>&1
rc=$?
set -e
cat "$tmp/out"
[ "$rc" -ne 0 ] || { echo "pertab ran without its library"; exit 1; }
[ "$rc" -ne 124 ] || { echo "pertab started without its library"; exit 1; }
[ "$rc" -lt 128 ] || { echo "pertab crashed (exit $rc) instead of being refused"; exit 1; }
grep -q 'error while loading shared libraries: libDane.so' "$tmp/out" || { echo "no loader message"; exit 1; }

# With the library beside it, the same copy loads (and is ended by the test).
cp "$lib" "$tmp/"
QT_QPA_PLATFORM=offscreen timeout 5 "$tmp/pertab" >"$tmp/out" 2>&1 && rc=0 || rc=$?
[ "$rc" -eq 124 ] || { cat "$tmp/out"; echo "pertab with its library ended early (exit $rc)"; exit 1; }
echo "binding ok"
