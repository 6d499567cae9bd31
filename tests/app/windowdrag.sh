#!/bin/sh
# Dragging the frameless main window by its bare surface in a real X server,
# first without a window manager, then under openbox: with the left or the
# right button held the window follows the pointer, and once the button is
# up it stays where it was let go while the pointer moves on.
# Usage: windowdrag.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

dir=$(mktemp -d)
# The settings file too goes to the test's own folder, not the home folder.
export XDG_CONFIG_HOME="$dir/config"
pid=
wm=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A bare point of the window surface, clear of every control and inside the
# skin's outline, and the middle of the iron button.
bare_x=450
bare_y=240
iron_x=255
iron_y=171

# Polls CONDITION (a shell command) every 0.1 s for up to $2 tenths.
poll() {
    i=0
    while ! eval "$1"; do
        i=$((i + 1))
        [ $i -lt "$2" ] || return 1
        sleep 0.1
    done
}

origin() {
    xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x "," y}'
}

# Fingerprint of a window region (x y w h) on the screen.
region() {
    o=$(origin)
    import -window root -crop "$3x$4+$((${o%,*} + $1))+$((${o#*,} + $2))" -depth 8 rgb:- | md5sum
}

status() {
    region 16 376 400 16
}

pixel() {
    o=$(origin)
    import -window root -crop "1x1+$((${o%,*} + $1))+$((${o#*,} + $2))" -depth 8 txt:- \
        | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}

# A program of its own in a fresh folder (it writes its skin files beside
# itself); returns once the window is painted and stands still.
start_pertab() {
    rm -rf "$dir/prog"
    mkdir "$dir/prog"
    cp "$src/pertab" "$dir/prog/"
    cp -P "$src"/libDane.so* "$dir/prog/"
    "$dir/prog/pertab" &
    pid=$!
    wid=$("$xtool" wait-mapped "  Zefirak" 30000) || fail "main window did not map"
    # The iron button's face is lime once the window is painted.
    poll '[ "$(pixel $((iron_x - 13)) $((iron_y - 9)))" = 00FF00 ]' 200 || fail "window not painted"
    last=
    poll 'now=$(origin); [ "$now" = "$last" ] || { last=$now; false; }' 100 || fail "window keeps moving"
    # What the status line looks like while pointing at iron, and emptied
    # by the bare surface: the marks that the program has seen the pointer.
    o=$(origin)
    initial=$(status)
    xdotool mousemove --sync $((${o%,*} + iron_x)) $((${o#*,} + iron_y))
    poll '[ "$(status)" != "$initial" ]' 150 || fail "no status text for iron"
    sleep 0.2
    iron_status=$(status)
    xdotool mousemove --sync $((${o%,*} + bare_x)) $((${o#*,} + bare_y))
    poll '[ "$(status)" != "$iron_status" ]' 150 || fail "status line not emptied on the bare surface"
    sleep 0.2
    empty_status=$(status)
    frame=$(($(xwininfo -children -id "$wid" | awk '/Parent window id:/{print $4}')))
    echo "main window $wid at $(origin)"
}

stop_pertab() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

# drag BUTTON DX DY [busy]: press BUTTON on the bare point, move the pointer
# by DX,DY, let go, move the pointer on, and check where the window is.
# "busy": the program is stopped over the press and the first half of the
# move, so it meets the press only once the pointer has left that point.
drag() {
    button=$1
    dx=$2
    dy=$3
    busy=${4:-}
    o=$(origin)
    x0=${o%,*}
    y0=${o#*,}
    want="$((x0 + $dx)),$((y0 + $dy))"
    px=$((x0 + bare_x))
    py=$((y0 + bare_y))
    xdotool mousemove --sync "$px" "$py"
    poll '[ "$(status)" = "$empty_status" ]' 150 || fail "status line not emptied before the press"
    # Under the pointer: the window, or the frame a window manager put round it.
    under=$(xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
    [ "$under" = "$wid" ] || [ "$under" = "$frame" ] \
        || fail "the point $bare_x,$bare_y is not on the window surface"
    [ -z "$busy" ] || kill -STOP "$pid"
    xdotool mousedown "$button"
    xdotool mousemove --sync $((px + $dx / 2)) $((py + $dy / 2))
    [ -z "$busy" ] || kill -CONT "$pid"
    # A window manager's move starts once it has the pointer: keep the
    # pointer moving on the spot until the window has arrived.
    poll 'xdotool mousemove $((px + $dx - 1)) $((py + $dy)) mousemove $((px + $dx)) $((py + $dy));
          sleep 0.05; [ "$(origin)" = "$want" ]' 150 \
        || fail "button $button held: window at $(origin), not $want"
    xdotool mouseup "$button"

    # The pointer goes on over the bare surface; the window must not follow.
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove --sync $((px + $dx - 3 * step)) $((py + $dy + 2 * step))
        sleep 0.1
        [ "$(origin)" = "$want" ] || fail "button $button released: window went on to $(origin) from $want"
    done
    # Pointing at iron writes the status line, which only happens once the
    # program has the pointer again and has seen every motion before it.
    xdotool mousemove --sync $((x0 + $dx + iron_x)) $((y0 + $dy + iron_y))
    poll '[ "$(status)" = "$iron_status" ]' 150 \
        || fail "button $button released: the pointer is still held (status line unchanged)"
    [ "$(origin)" = "$want" ] || fail "button $button released: window went on to $(origin) from $want"
    echo "button $button${busy:+ (late press)}: window followed the drag to $want and stayed there"
}

# No window manager: the program moves the window itself.
start_pertab
drag 3 40 30
drag 1 -30 25
stop_pertab

# Under openbox a left press is handed to the window manager's move.
openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
poll 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 600 \
    || fail "openbox did not start: $(cat "$dir/openbox.log")"
start_pertab
drag 3 40 30
drag 1 -30 25
drag 3 20 -35
drag 1 25 20 busy
stop_pertab
echo "window drags end at release with and without a window manager"
