#!/bin/sh
# A screen smaller than the skin (760 x 600): the compact layout, and the
# question whether to warn again answered No; the next start asks nothing.
# Usage: smallscreen.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run at 760x600)
set -eu
src=$1
xtool=$2
. "$(dirname "$0")/../app/xkit.sh"
store="$XDG_CONFIG_HOME/Morvane/Zefirak.reg"

start() {
    (cd "$dir" && exec ./pertab) &
    pid=$!
}
# In the full layout a white value cell of the data panel lies at (740,
# 100); the compact layout moves the panel left, leaving the skin there.
wait_compact() {
    i=0
    while [ "$(pixel 740 100)" = FFFFFF ]; do
        i=$((i + 1))
        [ $i -lt 50 ] || fail "not the compact layout"
        sleep 0.1
    done
}

start
box=$("$xtool" wait-mapped "Pytanie" 20000) || fail "no low-resolution question"
xdotool windowfocus --sync "$box" key Escape # No: not again
wid=$("$xtool" wait-mapped "  Zefirak" 10000) || fail "main window did not map"
origin "$wid"
wait_compact
xdotool windowfocus --sync "$wid" key Escape
box=$("$xtool" wait-mapped "Pytanie" 10000) || fail "no exit question"
xdotool windowfocus --sync "$box" key Return
wait_exit_zero "$pid"
pid=
grep -q '"Układ_Wydruk_Warn2"=dword:00000000' "$store" || fail "the answer was not kept"
echo "compact layout; No to the question kept"

start
wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map on the next start"
sleep 1
if "$xtool" wait-mapped "Pytanie" 500 2>/dev/null; then fail "asked again on the next start"; fi
origin "$wid"
wait_compact
"$xtool" close "$wid"
wait_exit_zero "$pid"
pid=
echo "next start: compact, no question"
