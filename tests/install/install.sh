#!/bin/sh
# Installs into a fresh prefix, checks what a desktop reads from it (the
# desktop file, the icon, the metainfo), and starts the installed program
# from that prefix made read-only: the skin files must go to the per-user
# data folder and the settings to the per-user config folder, and nothing
# may be written under the prefix.
#
# Root ignores permission bits, so as root the program runs as nobody, with
# home, data, config and runtime folders that nobody owns; as any other
# user it runs as that user, whom the bits already stop.
# Usage: install.sh CMAKE BUILD_FOLDER XTOOL   (run under xvfb-run)
set -eu
cmake=$1
build=$2
xtool=$3
id=pl.morvane.Zefirak

tmp=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    chmod -R u+w "$tmp" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix"

for f in bin/pertab bin/zfktool lib/libDane.so "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"; do
    [ -s "$prefix/$f" ] || fail "$f was not installed"
done
# The installed binaries find the library relative to themselves, never in
# the build folder they were linked in.
for f in bin/pertab bin/zfktool; do
    runpath=$(readelf -d "$prefix/$f" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
    case ":$runpath:" in
    *':$ORIGIN/../lib:'*) ;;
    *) fail "$f has the library path '$runpath', without \$ORIGIN/../lib" ;;
    esac
    case "$runpath" in *"$build"*) fail "$f looks for its library in the build folder ($runpath)" ;; esac
done

# Hints are advice (the three categories are meant); errors and warnings fail.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "desktop file: $out"
echo "$out"
echo "$out" | grep -Eq 'error:|warning:' && fail "desktop file: $out"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo is not valid"

# The user's folders, and who runs the program.
home=$tmp/home
mkdir -p "$home" "$tmp/data" "$tmp/config" "$tmp/cache" "$tmp/runtime"
chmod 700 "$tmp/runtime"
if [ "$(id -u)" -eq 0 ]; then
    # mktemp made $tmp for root alone; nobody must be able to reach the prefix.
    chmod 755 "$tmp"
    chown nobody:nogroup "$home" "$tmp/data" "$tmp/config" "$tmp/cache" "$tmp/runtime"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    # xvfb-run's cookie file is root's alone: give the user a copy.
    if [ -n "${XAUTHORITY:-}" ]; then
        cp "$XAUTHORITY" "$home/.Xauthority"
        chown nobody:nogroup "$home/.Xauthority"
        XAUTHORITY=$home/.Xauthority
    fi
else
    as_user=
fi
export HOME="$home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
    XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=xcb

chmod -R a-w "$prefix"
# Without this the test could pass on a prefix the program may write.
if $as_user touch "$prefix/bin/probe" 2>/dev/null; then
    fail "the prefix can still be written"
fi
before=$(find "$prefix" -printf '%p %s %T@\n' | sort)

$as_user "$prefix/bin/zfktool" version >/dev/null || fail "the installed zfktool does not run"

$as_user "$prefix/bin/pertab" &
pid=$!
wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "the installed program's main window did not map"
echo "main window $wid mapped"
geometry=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "787x414" ] || fail "window is $geometry, not 787x414"

skins=$XDG_DATA_HOME/Morvane/Zefirak
for f in default.bmp zfkmain.rgn; do
    [ -s "$skins/$f" ] || fail "skin file $f is not in $skins"
done

"$xtool" close "$wid"
rc=0
wait $pid || rc=$?
pid=
[ "$rc" -eq 0 ] || fail "pertab ended with $rc"
[ -s "$XDG_CONFIG_HOME/Morvane/Zefirak.reg" ] || fail "no settings file in $XDG_CONFIG_HOME/Morvane"

after=$(find "$prefix" -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the prefix changed: $(printf '%s\n' "$before" "$after" | sort | uniq -u)"
echo "installed copy ran from a read-only prefix and closed with exit code 0"
