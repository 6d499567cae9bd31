#!/bin/sh
# The chart print dialog opened and closed with the keyboard alone: Tab to
# "Wydruk Zefiraku" on the toolbar, Enter; in the dialog Tab to "Zakończ",
# Space. The focus is followed by its dotted outline on the screen.
# Usage: keyboard.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2
. "$(dirname "$0")/../app/xkit.sh"
. "$(dirname "$0")/journeykit.sh"

# Presses Tab until pixel ($1, $2) shows the outline's colour $3, at most
# $4 times: where the focus starts is the program's business.
tab_to() {
    n=0
    while [ "$(pixel "$1" "$2")" != "$3" ]; do
        n=$((n + 1))
        [ $n -le "$4" ] || fail "Tab did not reach $5"
        xdotool key Tab
        sleep 0.2
    done
}

start
xdotool windowfocus --sync "$wid"
# The outline's first dot, one pixel inside the button's top-left corner.
[ "$(pixel 9 15)" != 0000FF ] || fail "\"Wydruk Zefiraku\" shows the focus before any Tab"
tab_to 9 15 0000FF 12 '"Wydruk Zefiraku"'
xdotool key Return
window "Wydruk Zefiraku"
echo "Enter on the toolbar opened the dialog"

xdotool windowfocus --sync "$w"
# "Zakończ" lies at (230, 408); its outline is black on the yellow face.
[ "$(pixel 232 410)" = FFFFD7 ] || fail "\"Zakończ\" is not where expected"
tab_to 232 410 000000 20 '"Zakończ"'
xdotool key space
until_true '! xwininfo -id "$w" 2>/dev/null | grep -q IsViewable' "Space on \"Zakończ\" left the dialog open"
echo "Space on \"Zakończ\" closed it"

kill -0 "$pid" || fail "the program ended with the dialog"
"$xtool" close "$wid"
wait_exit_zero "$pid"
pid=
