#!/bin/sh
# The real program in a real X server: the element buttons show their class
# colours on the screen, pointing at and clicking an element changes the
# status line, the button and the data panel, and Esc in the search box asks
# the exit question, whose default answer ends the program with exit code 0.
# Usage: mainwindow.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

dir=$(mktemp -d)
# The settings file too goes to the test's own folder, not the home folder.
export XDG_CONFIG_HOME="$dir/config"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A copy in a fresh folder: the program writes its skin files beside itself.
cp "$src/pertab" "$src/libDane.so" "$dir/"
"$dir/pertab" &
pid=$!

wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map"
eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{print "wx=" $4} /Absolute upper-left Y/{print "wy=" $4}')"
echo "main window $wid at $wx,$wy"

# Colour of one screen pixel at window coordinates, as RRGGBB.
pixel() {
    import -window root -crop "1x1+$((wx + $1))+$((wy + $2))" -depth 8 txt:- \
        | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
# A fingerprint of a window region (x y w h).
region() {
    import -window root -crop "$3x$4+$((wx + $1))+$((wy + $2))" -depth 8 rgb:- | md5sum
}
# Polls until the pixel shows the colour (up to about 10 s).
wait_pixel() {
    i=0
    while [ "$(pixel "$1" "$2")" != "$3" ]; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "pixel $1,$2 is $(pixel "$1" "$2"), not $3 ($4)"
        sleep 0.1
    done
}
# Polls until the region's fingerprint differs from $5.
wait_changed() {
    i=0
    while [ "$(region "$1" "$2" "$3" "$4")" = "$5" ]; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "$6 did not change"
        sleep 0.1
    done
}

# Button faces two pixels in from each button's top-left corner, clear of
# the frame and the caption: iron (metal), boron (semimetal), oxygen (nonmetal).
wait_pixel 242 162 00FF00 "iron is lime"
wait_pixel 402 114 00FFFF "boron is aqua"
wait_pixel 498 114 FFFF00 "oxygen is yellow"
echo "button colours on the screen as expected"

# Pointing at iron writes its status text; clicking latches it (blue frame)
# and fills the data panel.
status=$(region 16 376 400 16)
panel=$(region 693 73 82 14)
[ "$(pixel 240 160)" != 0000FF ] || fail "iron latched before the click"
xdotool mousemove --sync $((wx + 255)) $((wy + 171))
wait_changed 16 376 400 16 "$status" "status line while pointing at iron"
xdotool click 1
wait_pixel 240 160 0000FF "latched frame of iron"
wait_pixel 241 161 0000FF "inner latched frame of iron"
wait_changed 693 73 82 14 "$panel" "first row of the data panel"
echo "pointing and clicking iron: status line, frame and panel changed"

# Esc in the search box (it holds the keyboard focus) asks the exit question.
xdotool windowfocus --sync "$wid"
xdotool key Escape
box=$("$xtool" wait-mapped "Pytanie" 10000) || fail "no exit question after Esc"
echo "exit question $box shown"
xdotool windowfocus --sync "$box"
xdotool key Return

i=0
while kill -0 "$pid" 2>/dev/null; do
    i=$((i + 1))
    [ $i -lt 100 ] || fail "pertab still runs 10 s after Yes"
    # A process that has exited but not been reaped still answers kill -0.
    [ -d "/proc/$pid" ] && grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null && break
    sleep 0.1
done
rc=0
wait "$pid" || rc=$?
pid=
[ "$rc" -eq 0 ] || fail "pertab ended with $rc"
echo "Esc, Yes: ended with exit code 0"
