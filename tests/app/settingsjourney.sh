#!/bin/sh
# The settings as a user meets them in the real program: the settings dialog
# from the toolbar, its appearance page, the names to "łacińskie", OK, the exit question; the
# settings file then holds every value, Latin on; the next start shows the
# Latin name in the status line.
# Usage: settingsjourney.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2

. "$(dirname "$0")/xkit.sh"
store="$XDG_CONFIG_HOME/Morvane/Zefirak.reg"

start() {
    "$dir/pertab" &
    pid=$!
    wid=$("$xtool" wait-mapped "  Zefirak" 20000) || fail "main window did not map"
    origin "$wid"
}
# Esc, then Yes to the exit question; the process must end with 0.
quit() {
    xdotool windowfocus --sync "$wid"
    xdotool key Escape
    box=$("$xtool" wait-mapped "Pytanie" 10000) || fail "no exit question after Esc"
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_exit_zero "$pid"
    pid=
}

start
polish=$(hydrogen_status)
[ ! -e "$store" ] || fail "settings file written before shutdown"

xdotool mousemove --sync $((wx + 416)) $((wy + 25)) click 1
dialog=$("$xtool" wait-mapped "Ustawienia Programu" 10000) || fail "no settings dialog"
geometry=$(xwininfo -id "$dialog" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "306x331" ] || fail "settings dialog is $geometry"
main_x=$wx main_y=$wy
origin "$dialog"
# The first opening shows the information; the names are on "Wygląd programu".
xdotool mousemove --sync $((wx + 76)) $((wy + 25)) click 1
# The names list one row down by the wheel: no popup to wait for.
xdotool mousemove --sync $((wx + 200)) $((wy + 162)) click 5
xdotool mousemove --sync $((wx + 169)) $((wy + 318)) click 1 # OK
i=0
while xwininfo -id "$dialog" 2>/dev/null | grep -q "IsViewable"; do
    i=$((i + 1))
    [ $i -lt 100 ] || fail "settings dialog still shown after OK"
    sleep 0.1
done
wx=$main_x wy=$main_y
latin=$(hydrogen_status)
[ "$latin" != "$polish" ] || fail "status line unchanged after the names went Latin"
echo "settings dialog: names to Latin, status line changed"
quit

[ -f "$store" ] || fail "no settings file after shutdown"
for value in '"Raport_Czcionka_Nazwa"="' '"Raport_Czcionka_Rozmiar"=dword:0000000d' \
    '"Układ_Czcionka_Nazwa"="' '"Układ_Czcionka_Symbol_Rozmiar"=dword:00000009' \
    '"Układ_Czcionka_Dane_Rozmiar"=dword:00000012' '"Układ_Skala"=dword:0000000a' \
    '"Układ_Czcionka_Pole_Rozmiar"=dword:00000011' '"Układ_Czcionka_Pole_Pogrubiony"=dword:00000001' \
    '"Układ_Pole_LinesCount"=dword:00000003' '"Układ_Pole_Line0"="  Układ zawiera dane o pierwiastkach"' \
    '"Układ_Pole_Line3"=" iupac.org/what-we-do/periodic-table-of-elements/"' \
    '"Układ_Skóra_Plik"="default"' '"Układ_Skóra_Edytor"=""' '"Układ_Wydruk_Warn1"=dword:00000001' \
    '"Układ_Wydruk_Warn2"=dword:00000001' '"Układ_Dane_Latin"=dword:00000001' '"Wersja"="2.5.1.FREE"' \
    '"!!!UWAGA!!!"="Ręczna modyfikacja wartości kluczy programu, może spowodować jego wadliwe działanie!"'; do
    grep -qF "$value" "$store" || fail "settings file lacks $value"
done
echo "settings file holds every value, Latin on"

start
hydrogen_status_is "$latin" || fail "the next start does not show the Latin name"
echo "next start: the Latin name in the status line"
quit
