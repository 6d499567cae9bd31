#!/bin/sh
# Pictures of what a user sees, to show that a change of the code left the
# screen and the printouts as they were: the main window (iron selected,
# Polish and Latin names, the status line over hydrogen, the compact layout),
# the three dialogs, and the chart and report PDFs rendered at 100 dpi. The
# clock is blacked out.
#
#   tools/lookalike.sh take PROGRAM_FOLDER OUT_FOLDER   pictures of one build
#   tools/lookalike.sh compare OLD_FOLDER NEW_FOLDER    exit 1 on any pixel changed
#
# PROGRAM_FOLDER holds pertab, libDane.so* and zfktool (build/ does). Needs
# xvfb-run, xdotool, ImageMagick and pdftoppm (tools/deps.sh test).
set -eu

fail() { echo "FAIL: $*" >&2; exit 1; }

compare_all() {
    changed=0
    for old in "$1"/*.png; do
        name=$(basename "$old")
        new="$2/$name"
        [ -f "$new" ] || { echo "missing: $name"; changed=1; continue; }
        diff=$(compare -metric AE "$old" "$new" null: 2>&1 || true)
        if [ "$diff" = 0 ]; then
            echo "same: $name"
        else
            echo "CHANGED: $name ($diff pixels)"
            changed=1
        fi
    done
    return $changed
}

# Runs inside xvfb-run: $1 program folder, $2 output folder, $3 what to take
# (normal or compact).
take_on_screen() {
    src=$1
    out=$2
    dir=$(mktemp -d)
    export HOME="$dir/home" XDG_CONFIG_HOME="$dir/config"
    mkdir -p "$HOME"
    cp "$src/pertab" "$dir/"
cp -P "$src"/libDane.so* "$dir/"
    pid=
    trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$dir"' EXIT

    start() {
        (cd "$dir" && exec ./pertab) &
        pid=$!
        wid=$(xdotool search --sync --onlyvisible --name '^  Zefirak$' | head -1)
        eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{print "wx=" $4} /Absolute upper-left Y/{print "wy=" $4}')"
    }
    wait_window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
    # The pointer rests on the bare surface below the legend, where it
    # neither highlights nor explains anything.
    rest() { xdotool mousemove --sync $((wx + 450)) $((wy + 350)) 2>/dev/null || true; sleep 0.6; }
    click() {
        xdotool mousemove --sync $(($1 + $3)) $(($2 + $4)) 2>/dev/null || true
        xdotool click 1
    }
    # The window's picture once it holds still, with the rectangles given
    # after the name ("x1,y1,x2,y2") painted black: the clock, and the
    # search box's caret. A caret still blinks in the dialogs: of the
    # pictures taken over two blinks the same one (the lowest checksum) is
    # kept, so both builds keep the same phase.
    shot() {
        w=$1 name=$2
        shift 2
        draw="point -1,-1"
        for r in "$@"; do draw="$draw rectangle $(echo "$r" | sed 's/,\([0-9]*\),/,\1 /')"; done
        grab() { import -window "$w" png:- | convert - -fill black -draw "$draw" "$1"; }
        i=0
        grab "$dir/a.png"
        while sleep 0.2 && grab "$dir/b.png" && ! cmp -s "$dir/a.png" "$dir/b.png"; do
            mv "$dir/b.png" "$dir/a.png"
            i=$((i + 1))
            [ $i -lt 30 ] || fail "$name does not hold still"
        done
        for i in 1 2 3 4 5 6 7 8; do
            sleep 0.2
            grab "$dir/phase$i.png"
        done
        best=$(for f in "$dir"/a.png "$dir"/phase*.png; do convert "$f" rgb:- | md5sum | sed "s|-|$f|"; done \
            | sort | head -1 | awk '{print $2}')
        mv "$best" "$out/$name.png"
        rm -f "$dir"/phase*.png "$dir/a.png" "$dir/b.png"
    }
    masks="640,376,775,391 601,16,607,33"
    quit() {
        xdotool windowfocus --sync "$wid" key Escape
        box=$(wait_window Pytanie)
        xdotool windowfocus --sync "$box" key Return
        while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
        pid=
    }

    if [ "$3" = compact ]; then
        start
        box=$(wait_window Pytanie) # the small-screen question: not again
        xdotool windowfocus --sync "$box" key Escape
        sleep 0.5
        click 255 171 "$wx" "$wy" # iron stays at its top; its column moved left
        click 200 171 "$wx" "$wy"
        rest
        # The window is wider than this screen and cut on both sides; the
        # picture starts at the screen's edge.
        shot "$wid" main-compact 470,376,640,391 432,16,446,33
        kill "$pid"
        pid=
        return
    fi

    start
    click 255 171 "$wx" "$wy" # iron
    rest
    shot "$wid" main-iron $masks
    xdotool mousemove --sync $((wx + 31)) $((wy + 99)) # hydrogen: the status line
    sleep 0.6
    shot "$wid" main-status-hydrogen $masks
    rest

    click 100 25 "$wx" "$wy" # "Wydruk Zefiraku"
    w=$(wait_window "Wydruk Zefiraku")
    shot "$w" dialog-chart
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/{print "dx=" $4} /Absolute upper-left Y/{print "dy=" $4}')"
    click 282 418 "$dx" "$dy" # "Zakończ"

    click 250 25 "$wx" "$wy" # "Wydruk Raportu"
    w=$(wait_window "Wydruk raportowy danych")
    shot "$w" dialog-report
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/{print "dx=" $4} /Absolute upper-left Y/{print "dy=" $4}')"
    click 196 178 "$dx" "$dy" # "Anuluj"

    click 416 25 "$wx" "$wy" # "Informacja i Ustawienia Programu"
    w=$(wait_window "Ustawienia Programu")
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/{print "dx=" $4} /Absolute upper-left Y/{print "dy=" $4}')"
    click 76 25 "$dx" "$dy" # "Wygląd programu": the first opening shows the information
    sleep 0.3
    shot "$w" dialog-settings
    # Names in Latin: the list one row down by the wheel, then OK.
    xdotool mousemove --sync $((dx + 200)) $((dy + 162)) click 5
    click 169 318 "$dx" "$dy"
    sleep 0.5
    rest
    shot "$wid" main-iron-latin $masks
    xdotool mousemove --sync $((wx + 31)) $((wy + 99))
    sleep 0.6
    shot "$wid" main-status-hydrogen-latin $masks
    rest
    quit
}

take() {
    src=$(cd "$1" && pwd)
    mkdir -p "$2"
    out=$(cd "$2" && pwd)
    self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh "$self" on-screen "$src" "$out" normal
    xvfb-run -a -s "-screen 0 760x600x24 -noreset" sh "$self" on-screen "$src" "$out" compact

    pdfs=$(mktemp -d)
    trap 'rm -rf "$pdfs"' EXIT
    zfk="$src/zfktool"
    "$zfk" chart --out "$pdfs/chart.pdf"
    "$zfk" chart --out "$pdfs/chart-latin-items.pdf" --latin --items 13,12,6 --no-info-bold \
        --info-line "Pierwsza linia" --info-line "" --info-line "Trzecia linia"
    "$zfk" chart --out "$pdfs/chart-test.pdf" --mode test --scale 7
    "$zfk" chart --out "$pdfs/chart-sample.pdf" --mode sample --scale 3
    "$zfk" report --out "$pdfs/report.pdf" --elements 1-3,Fe,Au
    "$zfk" report --out "$pdfs/report-latin.pdf" --elements h-ne --latin --landscape --size 14
    for pdf in "$pdfs"/*.pdf; do
        name=$(basename "$pdf" .pdf)
        pdftoppm -r 100 -png "$pdf" "$pdfs/$name"
        for page in "$pdfs/$name"-*.png; do
            mv "$page" "$out/pdf-$(basename "$page")"
        done
    done
    ls "$out"
}

case "${1:-}" in
take) take "$2" "$3" ;;
compare) compare_all "$2" "$3" ;;
on-screen) take_on_screen "$2" "$3" "$4" ;;
*) sed -n '2,12p' "$0" >&2; exit 2 ;;
esac
