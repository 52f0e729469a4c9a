#!/bin/sh
# Prints the default scale through the real print system and measures the printed page.
#
#   run-cups-test.sh QUIRN PAGE_CHECK WORK_DIR
#
# Starts the CUPS scheduler when none is running, adds a CUPS-PDF queue "PDF" as the default
# printer with its output in WORK_DIR, prints with "quirn --print", renders the PDF that comes
# out and checks the plate's place and size on the paper. Needs root (the scheduler, lpadmin and
# /etc/cups/cups-pdf.conf) and the packages cups, printer-driver-cups-pdf and poppler-utils.
# Whatever it changed in the print system it puts back.
set -eu

quirn=$1
page_check=$2
work=$3

fail() {
    echo "cups test: $*" >&2
    exit 1
}

[ "$(id -u)" = 0 ] || fail "must run as root: it starts cupsd, adds a printer and edits /etc/cups/cups-pdf.conf"
for tool in /usr/sbin/cupsd lpadmin lpstat pdftoppm; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing: install cups, printer-driver-cups-pdf and poppler-utils"
done
[ -f /etc/cups/cups-pdf.conf ] || fail "/etc/cups/cups-pdf.conf is missing: install printer-driver-cups-pdf"

rm -rf "$work"
mkdir -p "$work/out"
chmod 0777 "$work/out"

cupsd_pid=""
added_queue=""
previous_default=""
cp /etc/cups/cups-pdf.conf "$work/cups-pdf.conf.saved"

cleanup() {
    cp "$work/cups-pdf.conf.saved" /etc/cups/cups-pdf.conf
    if [ -n "$previous_default" ] && [ "$previous_default" != PDF ]; then
        lpadmin -d "$previous_default" 2>/dev/null || true
    fi
    if [ -n "$added_queue" ]; then lpadmin -x PDF 2>/dev/null || true; fi
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    /usr/sbin/cupsd -f >"$work/cupsd.log" 2>&1 &
    cupsd_pid=$!
    tries=0
    until lpstat -r 2>/dev/null | grep -q "is running"; do
        tries=$((tries + 1))
        [ $tries -le 100 ] || fail "cupsd did not start (see $work/cupsd.log)"
        kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd ended at once (see $work/cupsd.log)"
        sleep 0.1
    done
fi

previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
if ! lpstat -p PDF >/dev/null 2>&1; then added_queue=yes; fi
lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>"$work/lpadmin.log" ||
    fail "cannot add the CUPS-PDF queue: $(cat "$work/lpadmin.log")"
lpadmin -d PDF
sed -i "s|^#\{0,1\}Out .*|Out $work/out|" /etc/cups/cups-pdf.conf

# The default scale: a square plate 69 x 60 mm.
printf 'name\t= M4200\r\nunit\t= V\r\nrange\t= 15\r\nalfa\t= 42.5\r\nshape\t= 0\r\nLshk\t= 6900\r\nHshk\t= 6000\r\nskos\t= 1250\r\nRout\t= 5700\r\nRin\t= 950\r\nLkrep\t= 2500\r\nRdel\t= 4200\r\nout_R\t= 0\r\nNfull\t= 30\r\nNbig\t= 15\r\nNm\t= 3\r\nLbig\t= 450\r\nLsm\t= 300\r\nHbig\t= 30\r\nHsm\t= 20\r\nDuga\t= 0\r\nHduga\t= 30\r\nLos_os\t= 0\r\nLos_niz\t= 300\r\n' >"$work/default.qrn"

QT_QPA_PLATFORM=offscreen "$quirn" --print "$work/default.qrn" ||
    fail "quirn --print failed"

tries=0
while :; do
    pdf=$(find "$work/out" -name '*.pdf' | head -n 1)
    if [ -n "$pdf" ] && [ -z "$(lpstat -o PDF 2>/dev/null)" ]; then break; fi
    tries=$((tries + 1))
    [ $tries -le 600 ] || fail "no PDF came out of the print queue within 60 s"
    sleep 0.1
done
echo "printed: $pdf"

pdftoppm -q -r 600 -gray -singlefile "$pdf" "$work/page"
pdftoppm -q -r 100 -png -singlefile "$pdf" "$work/page-preview"

# The canvas's top-left corner lies at the default margins of 10 mm, the plate 1 mm inside it.
# The cut line runs 0.1 mm outside the plate's edges with a 0.1 mm pen, so the ink reaches
# 0.15 mm beyond the plate on every side: 10.85 mm from the paper's left and top edges, and
# 69.30 x 60.30 mm across.
"$page_check" "$work/page.pgm" 600 10.85 10.85 69.30 60.30 0.1
