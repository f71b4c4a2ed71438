#!/usr/bin/env bash
# Prints the worksheet and its answer key through a real CUPS server, with the CUPS-PDF printer
# as the default printer, and reads the PDFs back: the worksheet has its 40 problems and no
# answers, the answer key the same problems with their answers, both on one letter page.
#
# The server is private to this run (its own configuration, spool and socket under a temporary
# folder), so the machine's own CUPS setup is neither used nor changed. It is stopped at the end.
#
# Usage: cups-print-test.sh PATH/TO/zorvix_printed_flow
# Exit: 0 passed, 1 failed, 77 skipped (no print server can run in this environment).
set -uo pipefail

flow=${1:-}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
queue=ZorvixPDF
start_timeout=20
print_timeout=120

say() { echo "cups-print-test: $*"; }
skip() { say "SKIPPED: $*"; exit 77; }

work=""
cupsd_pid=""
found=()

show_logs() {
    [ -n "$work" ] || return
    for f in "$work"/log/error_log "$work"/flow.log; do
        [ -s "$f" ] && { echo "---- $f (last 40 lines)"; tail -n 40 "$f"; }
    done
}
fail() { say "FAILED: $*"; show_logs; exit 1; }

cleanup() {
    if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
        kill "$cupsd_pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    for f in "${found[@]}"; do rm -f "$f"; done
    [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

[ -x "$flow" ] || fail "the printed flow program '$flow' is missing (build the zorvix_printed_flow target)"
for tool in cupsd lpadmin lpstat pdftotext pdfinfo; do
    command -v "$tool" >/dev/null || fail "'$tool' is not installed; scripts/install-deps.sh installs it (cups, cups-client, printer-driver-cups-pdf, poppler-utils)"
done
[ -f "$ppd" ] && [ -e /usr/lib/cups/backend/cups-pdf ] || fail "the CUPS-PDF printer driver is not installed (printer-driver-cups-pdf)"
# The cups-pdf backend only runs for a server started by root.
[ "$(id -u)" -eq 0 ] || skip "needs root: the CUPS-PDF backend runs only under a root print server"

work=$(mktemp -d /tmp/zorvix-cups.XXXXXX) || fail "cannot make a temporary folder"
chmod 755 "$work"
mkdir -p "$work"/etc/ppd "$work"/spool/tmp "$work"/cache "$work"/state "$work"/log "$work"/out "$work"/home
chmod 1777 "$work"/spool/tmp
sock="$work/cups.sock"

cat > "$work/etc/cupsd.conf" <<CONF
Listen $sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
DefaultPaperSize Letter
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice No
SystemGroup root
Printcap $work/printcap
CONF

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" > "$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER="$sock"
running=""
for _ in $(seq $((start_timeout * 10))); do
    if ! kill -0 "$cupsd_pid" 2>/dev/null; then break; fi
    if [ -S "$sock" ] && lpstat -r 2>/dev/null | grep -q "is running"; then running=yes; break; fi
    sleep 0.1
done
if [ -z "$running" ]; then
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null | tail -n 20
    skip "cupsd could not start in this environment"
fi
say "private cupsd running (pid $cupsd_pid, socket $sock)"

# CUPS-PDF takes PostScript. The default PDF-to-PostScript step turns the page's embedded
# TrueType text into glyph drawings without their characters: fine on paper, unreadable to
# pdftotext. The cairo renderer keeps the glyph names, so the words survive to the PDF.
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o printer-error-policy=abort-job -o pdftops-renderer-default=pdftocairo > "$work/log/lpadmin.out" 2>&1 \
    || { cat "$work/log/lpadmin.out"; fail "lpadmin could not add the CUPS-PDF printer"; }
lpadmin -d "$queue" >> "$work/log/lpadmin.out" 2>&1 || { cat "$work/log/lpadmin.out"; fail "lpadmin could not make $queue the default"; }
lpstat -d | grep -q "$queue" || fail "$queue is not the default printer: $(lpstat -d 2>&1)"

# Where cups-pdf puts the PDFs: its Out setting, for the user who printed, and its own spool.
out_dirs=("$(getent passwd "$(id -un)" | cut -d: -f6)/PDF" /var/spool/cups-pdf)
[ -n "${HOME:-}" ] && out_dirs+=("$HOME/PDF")
conf_out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
[ -n "$conf_out" ] && [[ "$conf_out" != *'${'* ]] && out_dirs+=("$conf_out")
marker="$work/started"
touch "$marker"
sleep 1 # file times have one-second steps on some file systems

say "running the printed sheet in the program"
# Our own HOME keeps a user's lpoptions from choosing another printer.
if ! HOME="$work/home" timeout 180 env -u LPDEST -u PRINTER QT_QPA_PLATFORM=offscreen "$flow" "$work/out" > "$work/flow.log" 2>&1; then
    fail "the program did not print the worksheet and the answer key"
fi
cat "$work/flow.log" | grep "printed flow" || true

newest_pdf() { # $1: a word of the job title
    for d in "${out_dirs[@]}"; do
        [ -d "$d" ] && find "$d" -maxdepth 2 -type f -iname "*$1*.pdf" -newer "$marker" 2>/dev/null
    done | head -n 1
}
sheet="" key=""
for _ in $(seq $((print_timeout * 2))); do
    [ -z "$sheet" ] && sheet=$(newest_pdf worksheet)
    [ -z "$key" ] && key=$(newest_pdf answer)
    if [ -n "$sheet" ] && [ -n "$key" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; then break; fi
    sleep 0.5
done
[ -n "$sheet" ] && found+=("$sheet")
[ -n "$key" ] && found+=("$key")
if [ -z "$sheet" ] || [ -z "$key" ]; then
    lpstat -W all -o 2>&1 | tail -n 5
    fail "cups-pdf wrote no PDF for the $([ -z "$sheet" ] && echo worksheet) $([ -z "$key" ] && echo answer key) within ${print_timeout}s (looked in ${out_dirs[*]})"
fi
say "worksheet: $sheet"
say "answer key: $key"

status=0
check() { # $1 pdf, $2 expected words, $3 name
    local got="$work/$3.got"
    pdftotext -layout "$1" - | tr -s '[:space:]' '\n' | sed '/^$/d' > "$got"
    if ! diff -q "$2" "$got" > /dev/null; then
        say "$3: the printed text differs from the page shown (expected < > printed):"
        diff "$2" "$got" | head -n 20
        status=1
    else
        say "$3: $(grep -c . "$got") words, as shown on the page"
    fi
    local info
    info=$(pdfinfo "$1")
    if ! grep -Eq "Page size:[[:space:]]+612(\.[0-9]+)? x 792(\.[0-9]+)? pts" <<< "$info"; then
        say "$3: not a letter page: $(grep 'Page size' <<< "$info")"
        status=1
    fi
    if ! grep -Eq "^Pages:[[:space:]]+1$" <<< "$info"; then
        say "$3: not one page: $(grep '^Pages' <<< "$info")"
        status=1
    fi
}
check "$sheet" "$work/out/worksheet.txt" worksheet
check "$key" "$work/out/answer-key.txt" answer-key
# The worksheet carries no answers: the key has 40 words more, all of them answers.
[ "$(grep -c . "$work/out/answer-key.txt")" -eq $(( $(grep -c . "$work/out/worksheet.txt") + 40 )) ] \
    || { say "the answer key does not add 40 answers to the worksheet"; status=1; }

[ "$status" -eq 0 ] || fail "the printed pages are not right"
say "passed"
exit 0
