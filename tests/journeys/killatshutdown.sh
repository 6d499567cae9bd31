#!/bin/sh
# SIGKILL at random moments while the program saves its settings at
# shutdown: the settings file is then the old one or the new one, whole,
# never a mix, and the next start reads it and ends normally.
# Usage: killatshutdown.sh PROGRAM_FOLDER XTOOL [RUNS]   (run under xvfb-run)
set -eu
src=$1
xtool=$2
runs=${3:-20}
. "$(dirname "$0")/../app/xkit.sh"
store="$XDG_CONFIG_HOME/Morvane/Zefirak.reg"
mkdir -p "$(dirname "$store")"

start() {
    (cd "$dir" && exec ./pertab) &
    pid=$!
    wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map"
}

# The old file: valid, with a skin name the program always writes back as
# "default", so that the new file differs from it.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Morvane\\Zefirak]\r\n"Układ_Skóra_Plik"="stara"\r\n"Układ_Dane_Latin"=dword:00000001\r\n"Wersja"="2.5.1.FREE"\r\n' >"$dir/old.reg"

# The new file, from a shutdown left alone.
cp "$dir/old.reg" "$store"
start
"$xtool" close "$wid"
wait_exit_zero "$pid"
pid=
cp "$store" "$dir/new.reg"
cmp -s "$dir/old.reg" "$dir/new.reg" && fail "the new file equals the old one"

old=0 new=0 n=0
while [ $n -lt "$runs" ]; do
    n=$((n + 1))
    cp "$dir/old.reg" "$store"
    start
    "$xtool" close "$wid"
    # 0 to 9.9 ms after the close command: before, during or after the save.
    sleep "0.00$(( $(od -An -N1 -tu1 /dev/urandom) % 10 ))$(( $(od -An -N1 -tu1 /dev/urandom) % 10 ))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    if cmp -s "$store" "$dir/old.reg"; then old=$((old + 1))
    elif cmp -s "$store" "$dir/new.reg"; then new=$((new + 1))
    else fail "run $n left a mixed settings file: $(cat "$store")"; fi
    # The next start reads it and ends normally.
    start
    "$xtool" close "$wid"
    wait_exit_zero "$pid"
    pid=
    cmp -s "$store" "$dir/new.reg" || fail "run $n: the start after the kill wrote another file"
done
echo "$runs kills at shutdown: $old left the old file, $new the new one, none a mix; every next start ended with 0"
