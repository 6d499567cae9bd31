#!/bin/sh
# Printing through a print server, as on a desk with a printer: a private
# cupsd whose default printer is a cups-pdf queue on A4. The chart and a
# report of two elements go to it by accepting the print dialog; the
# queue's PDFs are read back: the chart fills a landscape A4 page, the
# report holds both elements. Printing to a file still writes the file.
# Skipped (77) where the server cannot run: not root, no cupsd, no cups-pdf.
# Usage: printserver.sh PROGRAM_FOLDER XTOOL   (run under xvfb-run)
set -eu
src=$1
xtool=$2
here=$(dirname "$0")
skip() {
    echo "SKIPPED: $*"
    exit 77
}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || skip "no cupsd or lpadmin (package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || skip "no cups-pdf (package printer-driver-cups-pdf)"

. "$here/../app/xkit.sh"
. "$here/journeykit.sh"
# The server's folder: its filters run as lp and must reach the spool.
cups=$(mktemp -d)
chmod 755 "$cups"
# cups-pdf reads a queue's settings from /etc/cups only: a name per run.
queue="zfk_${cups##*.}"
qconf="/etc/cups/cups-pdf-$queue.conf"
cupspid=
stop_cups() {
    [ -z "$cupspid" ] || { kill "$cupspid" 2>/dev/null || true; wait "$cupspid" || true; }
    rm -rf "$cups" "$qconf"
}
trap 'journey_cleanup; stop_cups' EXIT
trap 'exit 1' INT TERM HUP # the daemon and the file under /etc/cups go too

# Its own socket, spool and logs; no network, no authentication.
mkdir -p "$cups/log" "$cups/out" "$cups/gs" "$cups/state" "$cups/cache" "$cups/spool/tmp"
cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
Browsing No
WebInterface No
<Policy default>
<Limit All>
Order deny,allow
</Limit>
</Policy>
EOF
cat >"$cups/cups-files.conf" <<EOF
ServerRoot $cups
StateDir $cups/state
CacheDir $cups/cache
RequestRoot $cups/spool
TempDir $cups/spool/tmp
Printcap $cups/printcap
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
EOF
cat >"$qconf" <<EOF
Out $cups/out
AnonDirName $cups/out
Spool $cups/pdfspool
Log $cups/log
Label 2
GSTmp $cups/gs
EOF
export CUPS_SERVER="$cups/cups.sock" CUPS_SERVERROOT="$cups"
cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" 2>>"$cups/log/error_log" &
cupspid=$!
i=0
until LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; do
    i=$((i + 1))
    [ $i -lt 100 ] || skip "cupsd did not start: $(tail -3 "$cups/log/error_log")"
    sleep 0.1
done
# cups-pdf takes PostScript: made by pdftocairo, the text stays readable.
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" -o PageSize=A4 -o pdftops-renderer-default=pdftocairo \
    2>"$cups/log/lpadmin" && lpadmin -d "$queue" || fail "no queue: $(cat "$cups/log/lpadmin")"
echo "print server: default printer $queue"

# Waits (up to 30 s) for job N's PDF to be complete and names it $pdf.
job_pdf() {
    until_true "tail -c 8 $cups/out/*job_$1.pdf 2>/dev/null | grep -q EOF" "no PDF from job $1" 300
    pdf=$(ls "$cups"/out/*job_"$1".pdf)
}

start_openbox
start
click 100 25
window "Wydruk Zefiraku"
chart_x=$wx chart_y=$wy
click 282 370 # "Wydrukuj układ", at the default settings
answer Return
window "Drukowanie"
xdotool windowfocus --sync "$w" key Return
job_pdf 1
pdftoppm -r 50 -singlefile -png "$pdf" "$cups/chart" 2>/dev/null
# The page's size and the ink's bounding box in pixels, the long side first:
# the sheet comes back portrait with a landscape chart turned onto it.
set -- $(convert "$cups/chart.png" -format '%w %h %@' info: | tr 'x+' '  ')
[ "$1" -gt "$2" ] || set -- "$2" "$1" "$4" "$3"
echo "chart: ink $(($3 * 100 / $1)) % of the page's long side, $(($4 * 100 / $2)) % of its short side"
pdfinfo "$pdf" | grep -q '^Page size:.*(A4)' && [ "$3" -gt "$4" ] || fail "the chart does not lie landscape on A4"
[ $(($3 * 100)) -ge $(($1 * 85)) ] && [ $(($4 * 100)) -ge $(($2 * 80)) ] || fail "the chart does not fill the page"
wx=$chart_x wy=$chart_y
click 282 418 # "Zakończ"

main
click 31 99   # hydrogen
click 700 336 # "Wydrukuj dane": the report dialog, hydrogen ticked
window "Wydruk raportowy danych"
report_x=$wx report_y=$wy
click 18 60   # helium's box
click 196 154 # "Drukuj"
window "Drukowanie"
xdotool windowfocus --sync "$w" key Return
job_pdf 2
pdftotext "$pdf" "$dir/raport.txt"
grep -q "^Pierwiastek: H - Wodór" "$dir/raport.txt" && grep -q "^Pierwiastek: He - Hel" "$dir/raport.txt" \
    && [ "$(grep -c "^Pierwiastek:" "$dir/raport.txt")" -eq 2 ] || fail "the report is not hydrogen's and helium's"
echo "chart and report printed on the default printer"

# With a default printer, the print dialog still prints to a typed file.
wx=$report_x wy=$report_y
click 196 154
print_to "$HOME/raport.pdf"
pdftotext "$HOME/raport.pdf" - | grep -q "^Pierwiastek: He - Hel" || fail "the report file lacks helium"
echo "printing to a file beside a default printer"
