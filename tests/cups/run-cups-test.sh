#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the default scale through the real print system and measures the printed page.
#
#   run-cups-test.sh QUIRN PAGE_CHECK WORK_DIR
#
# Runs a private CUPS scheduler whose configuration, spool, cache, state, logs and Unix socket
# lie in a fresh folder under /tmp and whose output lies in WORK_DIR, adds a CUPS-PDF queue "PDF"
# as its default printer, prints with "quirn --print" through it (CUPS_SERVER names its socket),
# renders the PDF that comes out and checks the plate's place and size on the paper. The machine's own scheduler, its printers
# and /etc stay untouched, whether that scheduler runs or not.
#
# The cups-pdf backend reads its settings from the fixed path /etc/cups/cups-pdf.conf, never
# from the scheduler's ServerRoot. So the private scheduler's ServerBin is a folder of its own:
# the filters are the machine's, and its backend "cups-pdf" starts the machine's backend with a
# small library loaded (cups-pdf-conf.c, compiled here) that sends that one open to the test's
# own cups-pdf.conf. No mount, no namespace, nothing in /etc. The backend is mode 0700, so the
# scheduler runs it as root and it writes the PDF as the job's owner (root); filters run as "lp",
# which reach the scheduler's folder under /tmp wherever WORK_DIR lies.
#
# Needs root (the root backend), a C compiler, and the packages cups, printer-driver-cups-pdf and
# poppler-utils.
set -eu

quirn=$1
page_check=$2
work=$3

fail() {
    echo "cups test: $*" >&2
    exit 1
}

[ "$(id -u)" = 0 ] || fail "must run as root: the private scheduler runs the cups-pdf backend as root"
for tool in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf lpadmin lpstat pdftoppm setpriv cc; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing: install cups, printer-driver-cups-pdf, poppler-utils, util-linux and gcc"
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || fail "$ppd is missing: install printer-driver-cups-pdf"

case $work in /*) ;; *) work=$(pwd)/$work ;; esac
rm -rf "$work"
mkdir -p "$work/out"

# The scheduler's own folders lie in a fresh folder under /tmp, which its filters (user lp) can
# reach wherever the work folder is: a clone under /root is closed to them. Its logs are copied
# to WORK_DIR/log at the end.
run=$(mktemp -d /tmp/quirn-cups.XXXXXX) || fail "cannot make a folder under /tmp"
chmod 0755 "$run"
etc=$run/etc
socket=$run/cups.sock
mkdir -p "$etc" "$run/spool/tmp" "$run/cache" "$run/state" "$run/log" "$run/cups-pdf-spool" \
    "$run/tmp"
setpriv --reuid=lp --regid=lp --clear-groups test -x "$run" ||
    fail "the scheduler's filters run as user lp, which cannot reach $run"

# The private ServerBin: the machine's programs, but for the backend, which is ours.
bin=$run/bin
mkdir -p "$bin/backend"
for part in cgi-bin daemon driver filter monitor notifier; do
    if [ -e "/usr/lib/cups/$part" ]; then ln -s "/usr/lib/cups/$part" "$bin/$part"; fi
done
cc -shared -fPIC -O2 -o "$run/cups-pdf-conf.so" "$(dirname "$0")/cups-pdf-conf.c" -ldl ||
    fail "cannot compile the backend's settings redirection"
cat >"$bin/backend/cups-pdf" <<EOF
#!/bin/sh
LD_PRELOAD=$run/cups-pdf-conf.so QUIRN_CUPS_PDF_CONF=$etc/cups-pdf.conf exec /usr/lib/cups/backend/cups-pdf "\$@"
EOF
chmod 0700 "$bin/backend/cups-pdf"

cat >"$etc/cups-files.conf" <<EOF
ServerRoot $etc
RequestRoot $run/spool
TempDir $run/spool/tmp
CacheDir $run/cache
StateDir $run/state
ServerKeychain $etc/ssl
ServerBin $bin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $run/log/access_log
ErrorLog $run/log/error_log
PageLog $run/log/page_log
Printcap $run/state/printcap
User lp
Group lp
SystemGroup root
CreateSelfSignedCerts no
EOF

# Only the socket: no network port, no browsing, no sharing, and every operation allowed.
cat >"$etc/cupsd.conf" <<EOF
Listen $socket
LogLevel info
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultPolicy test
<Policy test>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

cat >"$etc/cups-pdf.conf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $run/cups-pdf-spool
GSTmp $run/tmp
Log $run/log
EOF

# The clients talk to the private scheduler only and read no option file from /etc/cups.
export CUPS_SERVER="$socket" CUPS_SERVERROOT="$etc"
unset LPDEST PRINTER

cupsd_pid=""
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    cp -r "$run/log" "$work/log" 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

/usr/sbin/cupsd -f -c "$etc/cupsd.conf" -s "$etc/cups-files.conf" >"$run/log/cupsd.out" 2>&1 &
cupsd_pid=$!

# A scheduler that refuses its configuration says why only to syslog, hence "cupsd -t" below.
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
    kill -0 "$cupsd_pid" 2>/dev/null ||
        fail "the private cupsd ended at once: $(cat "$run/log/cupsd.out" "$run/log/error_log" 2>/dev/null
            /usr/sbin/cupsd -t -c "$etc/cupsd.conf" -s "$etc/cups-files.conf" 2>&1)"
    tries=$((tries + 1))
    [ $tries -le 300 ] || fail "the private cupsd did not answer within 30 s (see $work/log)"
    sleep 0.1
done

# Abort a failed job instead of stopping the queue, so a failure ends the wait below at once.
lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" -o printer-error-policy=abort-job 2>"$work/lpadmin.log" ||
    fail "cannot add the CUPS-PDF queue: $(cat "$work/lpadmin.log")"
lpadmin -d PDF

# The default scale: a square plate 69 x 60 mm.
printf 'name\t= M4200\r\nunit\t= V\r\nrange\t= 15\r\nalfa\t= 42.5\r\nshape\t= 0\r\nLshk\t= 6900\r\nHshk\t= 6000\r\nskos\t= 1250\r\nRout\t= 5700\r\nRin\t= 950\r\nLkrep\t= 2500\r\nRdel\t= 4200\r\nout_R\t= 0\r\nNfull\t= 30\r\nNbig\t= 15\r\nNm\t= 3\r\nLbig\t= 450\r\nLsm\t= 300\r\nHbig\t= 30\r\nHsm\t= 20\r\nDuga\t= 0\r\nHduga\t= 30\r\nLos_os\t= 0\r\nLos_niz\t= 300\r\n' >"$work/default.qrn"

# Prints the default scale with quirn --print, waits for the PDF and sets pdf to it.
print_default() {
    rm -rf "$work/out"
    QT_QPA_PLATFORM=offscreen "$quirn" --print "$work/default.qrn" ||
        fail "quirn --print failed"

    # quirn has queued the job when it returns; the PDF is whole once the queue is empty again.
    tries=0
    while :; do
        kill -0 "$cupsd_pid" 2>/dev/null || fail "the private cupsd ended while printing (see $work/log)"
        jobs=$(lpstat -o PDF) || fail "lpstat cannot list the queue's jobs"
        if [ -z "$jobs" ]; then
            pdf=$(find "$work/out" -name '*.pdf' 2>/dev/null | head -n 1)
            [ -n "$pdf" ] && break
            fail "the print job ended without a PDF: $(grep -E '^[EW] ' "$run/log/error_log" | tail -n 5)"
        fi
        tries=$((tries + 1))
        [ $tries -le 1200 ] || fail "no PDF came out of the print queue within 120 s (see $work/log)"
        sleep 0.1
    done
}

# A profile of its own: no calibration of this queue, whatever the machine's user keeps.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Quirn"
print_default
echo "printed: $pdf"

pdftoppm -q -r 600 -gray -singlefile "$pdf" "$work/page"
pdftoppm -q -r 100 -png -singlefile "$pdf" "$work/page-preview"

# The canvas's top-left corner lies at the default margins of 10 mm, the plate 1 mm inside it.
# The cut line runs 0.1 mm outside the plate's edges with a 0.1 mm pen, so the ink reaches
# 0.15 mm beyond the plate on every side: 10.85 mm from the paper's left and top edges, and
# 69.30 x 60.30 mm across.
"$page_check" "$work/page.pgm" 600 10.85 10.85 69.30 60.30 0.1

# The queue calibrated as 1.02 across and 0.98 down: its pages are stretched about the paper's
# corner by those factors, the margins with them.
cat >"$XDG_CONFIG_HOME/Quirn/Quirn.conf" <<EOF
[Printer%20Calibration]
1\\Name=PDF
1\\Horizontal=1.02
1\\Vertical=0.98
size=1
EOF
print_default
echo "printed with the queue's calibration: $pdf"
pdftoppm -q -r 600 -gray -singlefile "$pdf" "$work/page-calibrated"
"$page_check" "$work/page-calibrated.pgm" 600 11.07 10.63 70.69 59.09 0.1
