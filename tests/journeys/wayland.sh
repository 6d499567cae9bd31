#!/bin/sh
# The main window under a Wayland compositor, which cannot cut a window to
# its mask: a headless weston on a desktop of a colour the skin does not use.
# The desktop shows through the gaps between the skin's panels and around
# the rounded corners, and the panels show the skin. Skipped (77) where
# weston or Qt's Wayland plugin is missing.
# Usage: wayland.sh PROGRAM_FOLDER
set -eu
src=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAIL: $*"
    exit 1
}
command -v weston >/dev/null && command -v weston-screenshooter >/dev/null || skip "no weston (package weston)"

dir=$(mktemp -d)
pid=
westonpid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ -z "$westonpid" ] || { kill "$westonpid" 2>/dev/null || true; wait "$westonpid" || true; }
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Everything of this run stays in the scratch folder: the compositor's
# socket, the program's copy, its settings and skin files.
mkdir -p "$dir/runtime" "$dir/home" "$dir/program" "$dir/shots"
chmod 700 "$dir/runtime"
export XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" XDG_CONFIG_HOME="$dir/config"
export WAYLAND_DISPLAY=zfk-wayland QT_QPA_PLATFORM=wayland
unset DISPLAY
cp -P "$src/pertab" "$src"/libDane.so* "$dir/program/"

# ImageMagick's own convert, as Debian installs it, not whatever else a
# machine puts first on the PATH under that name.
convert=convert
[ -x /usr/bin/convert ] && convert=/usr/bin/convert

desktop=3C1E5A
cat >"$dir/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff$desktop
panel-position=none
startup-animation=none
animation=none
EOF
# --use-pixman: the headless backend draws nothing without it; --debug lets
# the screenshooter in.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 --config="$dir/weston.ini" >"$dir/weston.log" 2>&1 &
westonpid=$!

. "$(dirname "$0")/until.sh"
until_true '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || ! kill -0 $westonpid' "weston did not start"
kill -0 $westonpid 2>/dev/null || fail "weston ended: $(cat "$dir/weston.log")"

(cd "$dir/program" && exec ./pertab) >"$dir/pertab.log" 2>&1 &
pid=$!

# The screen as a fresh picture, its name in $shot.
screenshot() {
    rm -f "$dir"/shots/*.png
    (cd "$dir/shots" && weston-screenshooter) >/dev/null 2>&1 || true
    shot=$(ls "$dir"/shots/*.png 2>/dev/null | head -1) || true
}
# The box around everything that is not desktop: WIDTHxHEIGHT+X+Y.
drawn() { "$convert" "$shot" -fuzz 0 -trim -format '%wx%h%O' info: 2>/dev/null; }

# The default outline's bounding box lies 3 pixels in from the window's
# 787 x 414 rectangle; the window shows once the box has that size on the
# desktop's own colour.
box=
window_shown() {
    if ! kill -0 "$pid" 2>/dev/null; then
        grep -q 'Could not find the Qt platform plugin' "$dir/pertab.log" && skip "no Qt Wayland plugin (package qt6-wayland)"
        fail "pertab ended: $(cat "$dir/pertab.log")"
    fi
    screenshot
    [ -n "$shot" ] || return 1
    box=$(drawn)
    case $box in 784x398+*) [ "$("$convert" "$shot" -format '%[hex:u.p{0,0}]' info:)" = $desktop ] ;; *) return 1 ;; esac
}
i=0
until window_shown; do
    i=$((i + 1))
    [ $i -lt 100 ] || fail "no window of the outline's size on the desktop (last seen: ${box:-nothing})"
    sleep 0.1
done
eval "$(echo "$box" | sed 's/^[0-9]*x[0-9]*+\([0-9]*\)+\([0-9]*\)$/wx=$((\1 - 3)) wy=$((\2 - 3))/')"

# The colours at window coordinates "x,y ...", one RRGGBB each.
colours() {
    format=
    for p in "$@"; do
        format="$format%[hex:u.p{$((wx + ${p%,*})),$((wy + ${p#*,}))}] "
    done
    "$convert" "$shot" -format "$format" info:
}

# In the gaps: the outline's rounded corner, between the toolbar and the
# table, between the table and the data panel, below the table, between
# the status line and the clock, and the strip below the panels.
expect=
gaps="3,3 300,50 610,200 300,362 610,383 400,405 783,3"
for p in $gaps; do expect="$expect $desktop"; done
seen=$(colours $gaps)
[ "$seen" = "${expect# } " ] || fail "the desktop does not show through the gaps ($gaps): $seen"

# On the panels: the bare surface beside the table and below the legend,
# the black frames, hydrogen's yellow button.
inside="450,350 600,300 5,20 700,5 783,200 20,92"
seen=$(colours $inside)
[ "$seen" = "D2DADD D2DADD 000000 000000 000000 FFFF00 " ] || fail "the skin does not show on the panels ($inside): $seen"

echo "shaped at $wx,$wy: the desktop shows through the gaps"
