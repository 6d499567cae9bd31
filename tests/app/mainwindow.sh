#!/bin/sh
# The real program in a real X server: the element buttons show their class
# colours on the screen, pointing at and clicking an element changes the
# status line, the button and the data panel, and Esc in the search box asks
# the exit question, whose default answer ends the program with exit code 0.
# Usage: mainwindow.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

. "$(dirname "$0")/xkit.sh"

"$dir/pertab" &
pid=$!

wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map"
origin "$wid"
echo "main window $wid at $wx,$wy"

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

wait_exit_zero "$pid"
pid=
echo "Esc, Yes: ended with exit code 0"
