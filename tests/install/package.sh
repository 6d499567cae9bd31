#!/bin/sh
# Makes the Debian package from the suite's own build folder (no second
# build), lints it, unpacks it into a scratch root and starts the unpacked
# program there: it must bind the unpacked library and write nothing under
# that root.
# Usage: package.sh CPACK BUILD_FOLDER XTOOL   (run under xvfb-run)
set -eu
cpack=$1
build=$2
xtool=$3

skip() {
    echo "SKIPPED: $*"
    exit 77
}
for tool in dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || skip "$tool is missing (tools/deps.sh test installs it)"
done

tmp=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
set -- "$tmp"/out/zefirak_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single package in $tmp/out: $*"
deb=$1
echo "built $(basename "$deb")"

# Exactly the program's files: nothing of the test suite, no libDane.so link.
id=pl.morvane.Zefirak
expected="./usr/bin/pertab
./usr/bin/zfktool
./usr/lib/zefirak/libDane.so.1
./usr/share/applications/$id.desktop
./usr/share/doc/zefirak/changelog.gz
./usr/share/doc/zefirak/copyright
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$files" = "$expected" ] || fail "the package holds: $files"

depends=$(dpkg-deb -f "$deb" Depends)
for p in qt6-translations-l10n fonts-liberation libqt6widgets6 libqt6printsupport6; do
    echo "$depends" | grep -q "\\b$p\\b" || fail "Depends lacks $p: $depends"
done
version=$(dpkg-deb -f "$deb" Version)
mkdir "$tmp/root"
dpkg -x "$deb" "$tmp/root"
zcat "$tmp/root/usr/share/doc/zefirak/changelog.gz" | head -n 1 | grep -q "^zefirak ($version) " \
    || fail "the changelog's last entry is not version $version"

# Warnings are accepted (and shown); an error fails.
lint=$(lintian "$deb" 2>/dev/null) || true
[ -z "$lint" ] || echo "$lint"
echo "$lint" | grep -q '^E:' && fail "lintian reports errors"

# The unpacked program, with the loader's path to itself only.
root=$tmp/root
runpath=$(readelf -d "$root/usr/bin/pertab" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
case "$runpath" in *"$build"*) fail "pertab looks for its library in the build folder ($runpath)" ;; esac
unset LD_LIBRARY_PATH XDG_DATA_HOME
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" QT_QPA_PLATFORM=xcb
mkdir "$HOME"
before=$(find "$root" -printf '%p %s %T@\n' | sort)

"$root/usr/bin/pertab" &
pid=$!
wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "the unpacked program's main window did not map"
echo "main window $wid mapped"
lib=$(awk '/libDane/ {print $NF; exit}' "/proc/$pid/maps")
[ "$lib" = "$root/usr/lib/zefirak/libDane.so.1" ] || fail "pertab loaded '$lib', not the unpacked library"
[ -s "$HOME/.local/share/Morvane/Zefirak/default.bmp" ] || fail "no skin in the user's data folder"
"$xtool" close "$wid"
rc=0
wait $pid || rc=$?
pid=
[ "$rc" -eq 0 ] || fail "pertab ended with $rc"

after=$(find "$root" -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the unpacked root changed: $(printf '%s\n' "$before" "$after" | sort | uniq -u)"
echo "unpacked program bound $lib and closed with exit code 0"
