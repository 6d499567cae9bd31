# Shared by the real-window scripts (sourced; POSIX sh). Expects $src (the
# build folder) and $xtool.

# A fresh program folder with a copy of the program (it writes its skin
# files beside itself) and a settings folder of its own, not the home
# folder's; removed, and a program still running ($pid) killed, at exit.
dir=$(mktemp -d)
export XDG_CONFIG_HOME="$dir/config"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
cp "$src/pertab" "$dir/"
cp -P "$src"/libDane.so* "$dir/"

fail() { echo "FAIL: $*"; exit 1; }

# Sets wx, wy: the absolute position of window $1's client area.
origin() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print "wx=" $4} /Absolute upper-left Y/{print "wy=" $4}')"
}

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

# Waits (up to 10 s) for process $1 to end and checks its exit code is 0.
wait_exit_zero() {
    i=0
    while kill -0 "$1" 2>/dev/null; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "pertab still runs 10 s after Yes"
        # A process that has exited but not been reaped still answers kill -0.
        [ -d "/proc/$1" ] && grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null && break
        sleep 0.1
    done
    rc=0
    wait "$1" || rc=$?
    [ "$rc" -eq 0 ] || fail "pertab ended with $rc"
}

# The status line's fingerprint while the pointer rests on hydrogen, taken
# once the line has changed from the bare surface's empty line and then
# holds still (a slow build may be caught between two paints).
hydrogen_status() {
    xdotool mousemove --sync $((wx + 450)) $((wy + 240))
    blank=$(region 16 376 400 16)
    xdotool mousemove --sync $((wx + 31)) $((wy + 99))
    wait_changed 16 376 400 16 "$blank" "status line while pointing at hydrogen"
    now=$(region 16 376 400 16)
    i=0
    while sleep 0.2 && [ "$(region 16 376 400 16)" != "$now" ]; do
        now=$(region 16 376 400 16)
        i=$((i + 1))
        [ $i -lt 50 ] || fail "the status line does not hold still"
    done
    echo "$now"
}

# True when pointing at hydrogen shows the status line with fingerprint $1,
# within three tries: the first pointing after a start has been seen, once
# under load, to catch the line otherwise.
hydrogen_status_is() {
    for try in 1 2 3; do
        [ "$(hydrogen_status)" = "$1" ] && return 0
    done
    return 1
}
