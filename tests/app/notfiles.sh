#!/bin/sh
# Files that are not files: the settings file and each of the three skin
# files is, in turn, a link to /dev/zero, a link to /dev/full, a named pipe
# or a folder. In each of the 16 cases the real program starts, maps its
# main window and, at the system's close command, ends with exit code 0
# within 10 s (no abort, no wait on the pipe, no box). Four cases run at
# once, each with a program folder and a settings folder of its own.
# Usage: notfiles.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

. "$(dirname "$0")/xkit.sh"

# Puts a thing of kind $1 at path $2.
place() {
    mkdir -p "$(dirname "$2")"
    case $1 in
    zero) ln -s /dev/zero "$2" ;;
    full) ln -s /dev/full "$2" ;;
    pipe) mkfifo "$2" ;;
    folder) mkdir "$2" ;;
    esac
}

# True while process $1 runs (a process that has ended but not been reaped
# still answers kill -0).
running() {
    kill -0 "$1" 2>/dev/null && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null
}

# One case: file $1 ("settings" or a skin file's name) made a thing of kind
# $2. Prints one line; fails if the program did not do as it should.
run_case() {
    home="$dir/$1-$2"
    mkdir -p "$home"
    cp "$src/pertab" "$home/"
    cp -P "$src"/libDane.so* "$home/"
    if [ "$1" = settings ]; then
        place "$2" "$home/config/Morvane/Zefirak.reg"
    else
        place "$2" "$home/$1"
    fi
    (cd "$home" && XDG_CONFIG_HOME="$home/config" exec ./pertab) &
    p=$!
    w= i=0
    while [ -z "$w" ]; do
        running "$p" || { echo "FAIL: $1 as $2: ended before its main window mapped"; return 1; }
        i=$((i + 1))
        [ $i -lt 200 ] || { kill -9 "$p"; echo "FAIL: $1 as $2: main window did not map"; return 1; }
        sleep 0.1
        w=$(xdotool search --all --onlyvisible --pid "$p" --name '^  Zefirak$' 2>/dev/null | head -n 1) || true
    done
    "$xtool" close "$w"
    i=0
    while running "$p"; do
        i=$((i + 1))
        [ $i -lt 100 ] || { kill -9 "$p"; echo "FAIL: $1 as $2: still runs 10 s after close"; return 1; }
        sleep 0.1
    done
    rc=0
    wait "$p" || rc=$?
    [ "$rc" -eq 0 ] || { echo "FAIL: $1 as $2: ended with $rc"; return 1; }
    echo "$1 as $2: mapped, closed, exit code 0"
}

failed=0
for file in settings default.col zfkmain.rgn default.bmp; do
    jobs=
    for kind in zero full pipe folder; do
        run_case "$file" "$kind" &
        jobs="$jobs $!"
    done
    for job in $jobs; do
        wait "$job" || failed=$((failed + 1))
    done
done
[ "$failed" -eq 0 ] || fail "$failed of 16 cases"
