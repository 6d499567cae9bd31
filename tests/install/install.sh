#!/bin/sh
# Installs into a fresh prefix, checks what a desktop reads from it (the
# desktop file, the icon, the metainfo), and starts the installed program
# twice: first by whoever runs the test (root in CI) from the prefix as
# installed, which that user may write, then from the prefix made read-only.
# Both times the skin files must go to the per-user data folder and the
# settings to the per-user config folder, and nothing may be written under
# the prefix.
#
# Root ignores permission bits, so for the read-only run root starts the
# program as nobody, with home, data, config and runtime folders that nobody
# owns; any other user runs it as themselves, whom the bits already stop.
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

for f in bin/pertab bin/zfktool lib/zefirak/libDane.so.1 "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml" \
    share/doc/zefirak/copyright share/doc/zefirak/changelog.gz; do
    [ -s "$prefix/$f" ] || fail "$f was not installed"
done
# Only a program linked against the library would need the unversioned link.
[ ! -e "$prefix/lib/zefirak/libDane.so" ] || fail "the libDane.so link was installed"
# The installed binaries find the library relative to themselves, never in
# the build folder they were linked in.
for f in bin/pertab bin/zfktool; do
    runpath=$(readelf -d "$prefix/$f" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
    case ":$runpath:" in
    *':$ORIGIN/../lib/zefirak:'*) ;;
    *) fail "$f has the library path '$runpath', without \$ORIGIN/../lib/zefirak" ;;
    esac
    case "$runpath" in *"$build"*) fail "$f looks for its library in the build folder ($runpath)" ;; esac
done

# Hints are advice (the three categories are meant); errors and warnings fail.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "desktop file: $out"
echo "$out"
echo "$out" | grep -Eq 'error:|warning:' && fail "desktop file: $out"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo is not valid"

snapshot() { find "$prefix" -printf '%p %s %T@\n' | sort; }
# Runs the installed program as $as_user until its main window maps, checks
# that the skin files are in $1 and that it closes with exit code 0.
run_installed() {
    $as_user "$prefix/bin/pertab" &
    pid=$!
    wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "the installed program's main window did not map"
    echo "main window $wid mapped"
    geometry=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
    [ "$geometry" = "787x414" ] || fail "window is $geometry, not 787x414"
    for f in default.bmp zfkmain.rgn; do
        [ -s "$1/$f" ] || fail "skin file $f is not in $1"
    done
    "$xtool" close "$wid"
    rc=0
    wait $pid || rc=$?
    pid=
    [ "$rc" -eq 0 ] || fail "pertab ended with $rc"
    [ -s "$XDG_CONFIG_HOME/Morvane/Zefirak.reg" ] || fail "no settings file in $XDG_CONFIG_HOME/Morvane"
}

# As installed, the prefix may be written by whoever installed it: the
# program, run by that user (in CI root, as root runs /usr/local/bin/pertab),
# still keeps its skin files in the data folder under the home folder.
as_user=
export HOME="$tmp/installer" XDG_CONFIG_HOME="$tmp/installer/.config" QT_QPA_PLATFORM=xcb
unset XDG_DATA_HOME
mkdir -p "$HOME"
before=$(snapshot)
run_installed "$HOME/.local/share/Morvane/Zefirak"
after=$(snapshot)
[ "$before" = "$after" ] || fail "the prefix changed: $(printf '%s\n' "$before" "$after" | sort | uniq -u)"
echo "installed copy run by $(id -un) wrote nothing under its prefix"

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
fi
export HOME="$home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
    XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"

chmod -R a-w "$prefix"
# Without this the test could pass on a prefix the program may write.
if $as_user touch "$prefix/bin/probe" 2>/dev/null; then
    fail "the prefix can still be written"
fi
before=$(snapshot)

$as_user "$prefix/bin/zfktool" version >/dev/null || fail "the installed zfktool does not run"
run_installed "$XDG_DATA_HOME/Morvane/Zefirak"

after=$(snapshot)
[ "$before" = "$after" ] || fail "the prefix changed: $(printf '%s\n' "$before" "$after" | sort | uniq -u)"
echo "installed copy ran from a read-only prefix and closed with exit code 0"
