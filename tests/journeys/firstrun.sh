#!/bin/sh
# A first start as a new user meets it, in a real X server, without a window
# manager or under openbox: an empty program folder and an empty home; the
# table by pointer and keyboard; search; copy and save; the chart and the
# report printed through the real print dialog to PDF files; the settings
# dialog; the exit question; and the next start with what was kept.
# Usage: firstrun.sh PROGRAM_FOLDER XTOOL none|openbox   (run under xvfb-run)
set -eu
src=$1
xtool=$2
wm=$3
here=$(dirname "$0")

. "$here/../app/xkit.sh"
. "$here/journeykit.sh"
store="$XDG_CONFIG_HOME/Morvane/Zefirak.reg"
[ "$wm" = none ] || start_openbox

quit() {
    main
    xdotool windowfocus --sync "$wid" key Escape
    answer Return
    wait_exit_zero "$pid"
    pid=
}
# Element z's button: its selected frame (blue) at the top-left corner.
element_xy() {
    case $1 in
    1) echo "16 88" ;; 2) echo "560 88" ;; 8) echo "496 112" ;; 26) echo "240 160" ;; 79) echo "336 208" ;;
    *) fail "no place for element $1" ;;
    esac
}
selected() { set -- $(element_xy "$1"); [ "$(pixel "$1" "$2")" = 0000FF ]; }
wait_selected() { until_true "selected $1" "element $1 not selected"; }
type_search() {
    main
    xdotool windowfocus --sync "$wid"
    xdotool type --delay 30 "$1"
    xdotool key Return
}

# First start: nothing in the program folder but the program, nothing in
# the home folder.
[ "$(ls "$dir")" = "$(printf 'home\nlibDane.so\nlibDane.so.1\npertab')" ] && [ -z "$(ls -A "$HOME")" ] \
    || fail "program folder or home not empty: $(ls -A "$dir" "$HOME")"
start
for f in default.bmp zfkmain.rgn; do [ -s "$dir/$f" ] || fail "first start wrote no $f"; done
[ ! -e "$store" ] || fail "settings written before the end"
echo "first start: skin files written, no settings yet"

# Point, click, arrows.
blank=$(region 16 376 400 16)
xdotool mousemove --sync $((wx + 255)) $((wy + 171))
wait_changed 16 376 400 16 "$blank" "status line while pointing at iron"
click 255 171
wait_selected 26
xdotool key Left
until_true '! selected 26' "Left left iron selected"
xdotool key Right
wait_selected 26
echo "pointing, clicking and the arrows select elements"

# Search by symbol, Polish name and Latin name.
type_search "au"
wait_selected 79
type_search "tlen"
wait_selected 8
type_search "ferrum"
wait_selected 26
echo "search by symbol, Polish and Latin name"

# Copy: the 14-line block of iron.
click 700 296
until_true 'xclip -o -selection clipboard >"$dir/clip.txt" 2>/dev/null && [ -s "$dir/clip.txt" ]' "nothing copied"
cmp -s "$dir/clip.txt" "$here/iron.txt" || fail "clipboard differs: $(diff "$here/iron.txt" "$dir/clip.txt" | head -5)"
[ "$(wc -l <"$dir/clip.txt")" -eq 13 ] || fail "clipboard is not 14 lines"
echo "copy: the 14-line block of iron"

# Save through the real save dialog, to a typed path; then over it, No and
# then Yes to the overwrite question.
saved="$HOME/pierwiastek.txt"
save_as() {
    main
    click 700 316
    window "Wybierz plik w którym zapisać dane pierwiastka: *"
    xdotool windowfocus --sync "$w" key ctrl+a
    xdotool type --delay 20 "$saved"
    xdotool key Return
}
save_as
until_true '[ -s "$saved" ]' "nothing saved"
# The file's density label differs from the clipboard's by design.
{ sed 's|^Gęstość \[g/cm sześcienny\]: |Gęstość: [g/cm sześcienny]|' "$here/iron.txt"; printf '\r\n'; } \
    | iconv -f UTF-8 -t CP1250 >"$dir/iron.cp1250"
cmp -s "$saved" "$dir/iron.cp1250" || fail "saved file is not iron's block in Windows-1250 with CR LF"
type_search "au"
wait_selected 79
save_as
answer Escape
cmp -s "$saved" "$dir/iron.cp1250" || fail "No to the overwrite question changed the file"
save_as
answer Return
until_true '! cmp -s "$saved" "$dir/iron.cp1250"' "Yes to the overwrite question did not replace the file"
iconv -f CP1250 -t UTF-8 "$saved" | grep -q "^Pierwiastek: Au - Złoto" || fail "the replaced file is not gold's"
echo "save: Windows-1250 with CR LF; the overwrite question's No keeps, Yes replaces"

# The chart, then the report, through the real print dialog to PDF files.
main
click 100 25
window "Wydruk Zefiraku"
chart_x=$wx chart_y=$wy
click 160 290 # "pogrub." off: a print setting to find again on the next start
click 282 370 # "Wydrukuj układ"
answer Return # "Czy dokonałeś właściwych ustawień": yes, and not asked again
print_to "$HOME/uklad.pdf"
pdftotext "$HOME/uklad.pdf" "$dir/uklad.txt"
grep -qw ZEFIRAK "$dir/uklad.txt" && grep -q "Układ zawiera dane o pierwiastkach" "$dir/uklad.txt" \
    || fail "the chart PDF lacks the title or the information field"
wx=$chart_x wy=$chart_y
click 282 418 # "Zakończ"
main
click 700 336 # "Wydrukuj dane": the report dialog, gold ticked
window "Wydruk raportowy danych"
report_x=$wx report_y=$wy
click 196 154 # "Drukuj"
print_to "$HOME/raport.pdf"
pdftotext "$HOME/raport.pdf" "$dir/raport.txt"
grep -q "Pierwiastek: Au - Złoto" "$dir/raport.txt" || fail "the report PDF lacks gold"
echo "chart and report printed through the print dialog to PDF"
wx=$report_x wy=$report_y
click 196 178 # "Anuluj" closes the report dialog

# The settings dialog: names in Latin.
main
polish=$(hydrogen_status)
main
click 416 25
window "Ustawienia Programu"
click 76 25 # "Wygląd programu": the first opening shows the information
# The names list one row down by the wheel: no popup to wait for.
xdotool mousemove --sync $((wx + 200)) $((wy + 162)) click 5
click 169 318 # "OK"
until_true '! xwininfo -id "$w" 2>/dev/null | grep -q IsViewable' "settings dialog still shown"
main
latin=$(hydrogen_status)
[ "$latin" != "$polish" ] || fail "status line unchanged after the names went Latin"
type_search "hydrogenium"
wait_selected 1
echo "settings dialog: Latin names"
quit
grep -q '"Układ_Dane_Latin"=dword:00000001' "$store" && grep -q '"Układ_Czcionka_Pole_Pogrubiony"=dword:00000000' "$store" \
    && grep -q '"Układ_Wydruk_Warn1"=dword:00000000' "$store" || fail "the settings file lacks what was set: $(cat "$store")"
cp "$store" "$dir/first.reg"
echo "exit question: settings saved"

# The next start: Latin names, the printer-settings question not asked again.
start
hydrogen_status_is "$latin" || fail "the next start does not show the Latin name"
main
click 100 25
window "Wydruk Zefiraku"
click 282 370 # "Wydrukuj układ": straight to the print dialog
window "Drukowanie"
xdotool windowfocus --sync "$w" key Escape
wx=$chart_x wy=$chart_y
click 282 418
quit
cmp -s "$store" "$dir/first.reg" || fail "the settings changed without being touched: $(diff "$dir/first.reg" "$store")"
echo "next start: Latin names, print settings kept"
