#!/bin/sh
# The default skin on the real window in a real X server: the window's
# shape is the five panels, and a screenshot shows the desktop through the
# gaps between them and the panels' black 5-pixel borders.
# Usage: shape.sh PROGRAM_FOLDER XTOOL XROOT
# (run under xvfb-run with the server option -noreset, or the desktop colour
# goes when the last client leaves)
set -eu
src=$1
xtool=$2
xroot=$3

# A fresh program folder of the test's own: the first start writes the skin.
dir=$(mktemp -d)
# The settings file too goes to the test's own folder, not the home folder.
export XDG_CONFIG_HOME="$dir/config"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "${ZFK_KEEP_SHOT:-}" ] && cp "$dir/shot.png" "$ZFK_KEEP_SHOT" 2>/dev/null; rm -rf "$dir"
}
trap cleanup EXIT
cp "$src/pertab" "$dir/"
cp -P "$src"/libDane.so* "$dir/"

fail() { echo "FAIL: $*"; exit 1; }

# ImageMagick's own convert, as Debian installs it, not whatever else a
# machine puts first on the PATH under that name.
convert=convert
[ -x /usr/bin/convert ] && convert=/usr/bin/convert

# A desktop of a colour the skin does not use, so it can be told apart.
desktop="0,192,0"
"$xroot" 00c000
import -window root "$dir/root.png"
[ "$("$convert" "$dir/root.png" -format '%[fx:int(255*p{5,5}.r+.5)],%[fx:int(255*p{5,5}.g+.5)],%[fx:int(255*p{5,5}.b+.5)]' info:)" = "$desktop" ] ||
    fail "could not colour the desktop"

"$dir/pertab" &
pid=$!
wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "no window titled '  Zefirak'"
echo "main window $wid mapped"

[ "$(stat -c %s "$dir/default.bmp")" = 956726 ] || fail "default.bmp not written in full"
[ "$(stat -c %s "$dir/zfkmain.rgn")" = 1044 ] || fail "zfkmain.rgn not written in full"

info=$(xwininfo -shape -id "$wid")
# Older xwininfo says "Bounding shape extents", newer "Window shape extents".
extents=$(echo "$info" | awk '/(Bounding|Window) shape extents:/ {print $NF; exit}')
[ "$extents" = "785x398+3+3" ] || fail "shape extents are '$extents', not 785x398+3+3"
echo "shape extents $extents"
x0=$(echo "$info" | awk '/Absolute upper-left X:/ {print $NF}')
y0=$(echo "$info" | awk '/Absolute upper-left Y:/ {print $NF}')

# Let the window finish its first paint before the screenshot.
sleep 1
import -window root "$dir/shot.png"

# Colour of the screenshot at a point of the window, as r,g,b.
pixel() {
    x=$((x0 + $1)); y=$((y0 + $2))
    "$convert" "$dir/shot.png" -format \
        "%[fx:int(255*p{$x,$y}.r+.5)],%[fx:int(255*p{$x,$y}.g+.5)],%[fx:int(255*p{$x,$y}.b+.5)]" info:
}
expect() { # x y colour what
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at ($1,$2) is $got, not $3"
}
black="0,0,0"
fill="210,218,221"

# The desktop shows through the gaps, the rounded corners and the edges.
expect 300 53 "$desktop" "gap under the top strip"
expect 612 200 "$desktop" "gap between the main and the right panel"
expect 300 362 "$desktop" "gap above the bottom-left strip"
expect 610 384 "$desktop" "gap between the bottom strips"
expect 3 61 "$desktop" "rounded corner of the main panel"
expect 0 0 "$desktop" "window corner"
expect 786 300 "$desktop" "right window edge"
expect 700 400 "$desktop" "bottom window edge"

# Black borders of 5 pixels, then the fill: bottom-right strip (617,367)-(785,400).
for y in 367 371 395 399; do expect 700 $y "$black" "border of the clock strip"; done
expect 700 372 "$fill" "fill of the clock strip"
for x in 617 621 780 784; do expect $x 384 "$black" "border of the clock strip"; done
expect 622 384 "$fill" "fill of the clock strip"
# Main panel (3,61)-(607,357): left and right borders.
for x in 3 7 602 606; do expect $x 200 "$black" "border of the main panel"; done
expect 607 200 "$desktop" "right of the main panel"
echo "desktop in the gaps, black 5-pixel borders"

"$xtool" close "$wid"
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || fail "pertab ended with $rc"
