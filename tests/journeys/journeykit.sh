# Shared by the journeys (sourced after ../app/xkit.sh; POSIX sh): a home
# folder of the test's own, a window manager, and the program's windows,
# dialogs and print dialog driven by pointer and keys.
export HOME="$dir/home"
mkdir -p "$HOME"
wmpid=
wmhome=
journey_cleanup() {
    cleanup
    [ -z "$wmpid" ] || kill "$wmpid" 2>/dev/null || true
    [ -z "$wmhome" ] || rm -rf "$wmhome"
}
trap journey_cleanup EXIT

. "$(dirname "$0")/until.sh"

start_openbox() {
    wmhome=$(mktemp -d) # openbox keeps a cache in its home: not the user's
    HOME=$wmhome openbox --sm-disable >/dev/null 2>&1 &
    wmpid=$!
    until_true 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' "openbox did not start"
}

start() {
    (cd "$dir" && exec ./pertab) &
    pid=$!
    wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map"
    origin "$wid"
    main_x=$wx main_y=$wy
}
# Back to the main window's coordinates after working in a dialog.
main() { wx=$main_x wy=$main_y; }
# Waits for a window named $1 and makes its client area the coordinates.
window() {
    w=$("$xtool" wait-mapped "$1" 10000) || fail "no window \"$1\""
    origin "$w"
}
# A left click at ($1, $2). mousemove --sync waits for a motion event, which
# never comes when the pointer is there already.
click() {
    eval "$(xdotool getmouselocation --shell)"
    [ "$X,$Y" = "$((wx + $1)),$((wy + $2))" ] || xdotool mousemove --sync $((wx + $1)) $((wy + $2))
    xdotool click 1
}
# Answers the question box now shown: Return is Yes, Escape is No.
answer() {
    window "Pytanie"
    xdotool windowfocus --sync "$w" key "$1"
    until_true '! xwininfo -id "$w" 2>/dev/null | grep -q IsViewable' "question still shown"
}

# Prints to the PDF file $1 from the print dialog now shown. The dialog
# opens on the default printer where the machine has one: its last entry,
# "Print to File (PDF)", is chosen before the file name (Alt+N is the
# printer list, Alt+P the output file).
print_to() {
    window "Drukowanie"
    xdotool windowfocus --sync "$w"
    xdotool key alt+n End alt+p ctrl+a
    # Pasted whole, not typed: on a busy machine the name field's completer
    # may open its list on a folder met while typing, and the list takes
    # the Return meant for the dialog.
    printf %s "$1" | xclip -selection clipboard
    xdotool key ctrl+v Return
    until_true "tail -c 8 '$1' 2>/dev/null | grep -q EOF" "no complete PDF at $1"
}
