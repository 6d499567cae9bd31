#!/bin/sh
# An idle main window sleeps: once it has settled, all its threads together
# wake at most 6 times a second (the clock changes once a second; a focused
# search field's caret blinks). A thread that sleeps and is woken again
# makes one voluntary context switch; the involuntary ones are the machine's
# load taking the processor away, and are not counted.
# Usage: idle.sh PROGRAM_FOLDER XTOOL none|openbox   (run under xvfb-run)
set -eu
src=$1
xtool=$2
wm=$3
. "$(dirname "$0")/xkit.sh"
export HOME="$dir/home"
mkdir -p "$HOME"
wmpid=
trap 'cleanup; [ -z "$wmpid" ] || kill "$wmpid" 2>/dev/null || true' EXIT

if [ "$wm" = openbox ]; then
    HOME="$dir" openbox --sm-disable >/dev/null 2>&1 &
    wmpid=$!
    i=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "openbox did not start"
        sleep 0.1
    done
fi

(cd "$dir" && exec ./pertab) &
pid=$!
"$xtool" wait-mapped "  Zefirak" 20000 >/dev/null || fail "main window did not map"
# The pointer off the window, and time for the start-up's last paints.
xdotool mousemove 1020 760
sleep 2

wakeups() { cat /proc/"$pid"/task/*/status | awk '$1 == "voluntary_ctxt_switches:" { n += $2 } END { print n }'; }
seconds=5
before=$(wakeups)
sleep $seconds
after=$(wakeups)
count=$((after - before))
echo "$count wake-ups in $seconds s idle ($wm)"
[ "$count" -le $((6 * seconds)) ] || fail "more than 6 wake-ups a second"
