#!/usr/bin/env bash
# The summary table and the member statements on a real print service: a
# cupsd of our own on a private configuration folder and socket (no system
# printer is touched), a cups-pdf queue as its default, and the program
# printing through it. The PDFs that cups-pdf writes must hold the eight
# landscape pages of a full book's summary and the 24 portrait pages of its
# statements, on A4. A personal default printer and the printer chosen in
# 印刷先の選択 (kept over a restart, replaced by the default with a message
# once gone) are honoured and named. A queue that refuses jobs must give the
# failure message and leave no file behind.
# Skipped (77) where cupsd cannot run: not installed, not root, no socket.
set -euo pipefail
probe="$(cd "$1" && pwd)/print_probe"
skip() { echo "skipped: $*"; exit 77; }

cupsd=/usr/sbin/cupsd
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
out_dir=/var/spool/cups-pdf/ANONYMOUS # cups-pdf's folder for users it does not know
[[ -x "$cupsd" && -x /usr/lib/cups/backend/cups-pdf && -f "$ppd" ]] || skip "cupsd or cups-pdf missing"
command -v lpadmin >/dev/null || skip "lpadmin missing"
[[ "$(id -u)" == 0 ]] || skip "cups-pdf needs a cupsd running as root"
# cups-pdf's folder is shared: runs from other build folders take turns.
exec 9>/tmp/tavu-print-cups-test.lock
flock -w 200 9 || skip "another run kept cups-pdf's folder busy"

dir="$(mktemp -d /tmp/tavu-cups.XXXXXX)"
chmod 755 "$dir" # the filters run as lp and must reach the spool
mkdir "$dir/log" "$dir/work"
# A home of its own: the user's print options (~/.cups/lpoptions) and TAVU's
# settings neither decide this test nor are changed by it.
export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config"
mkdir -p "$XDG_CONFIG_HOME" "$HOME/.cups"
pid=""
before=""
cleanup() {
    if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    if [[ -d "$out_dir" ]]; then
        for f in "$out_dir"/summary-*.pdf "$out_dir"/statements-*.pdf; do
            [[ -e "$f" ]] && ! grep -qxF "$f" <<<"$before" && rm -f "$f"
        done
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

sock="$dir/cups.sock"
cat >"$dir/cupsd.conf" <<CONF
Listen $sock
LogLevel info
Browsing No
DefaultPolicy default
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
User lp
Group lp
CONF

timeout 300 "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER="$sock"
up=0
for _ in $(seq 50); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    # lpstat -r ends with 0 also when it finds no scheduler: read its answer.
    if [[ "$(timeout 5 lpstat -r 2>/dev/null)" == "scheduler is running" ]]; then up=1; break; fi
    sleep 0.2
done
if (( !up )); then
    { cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null || true; } | tail -5
    skip "cupsd did not start"
fi

timeout 30 lpadmin -p TavuPDF -E -v cups-pdf:/ -P "$ppd" 2>"$dir/log/lpadmin.err" &&
    timeout 30 lpadmin -d TavuPDF 2>>"$dir/log/lpadmin.err" ||
    { echo "the queue could not be set up:"; cat "$dir/log/lpadmin.err"; exit 1; }
[[ "$(timeout 10 lpstat -d)" == *TavuPDF* ]] || { echo "the queue is not the default"; exit 1; }

before="$(ls -1 "$out_dir"/summary-*.pdf "$out_dir"/statements-*.pdf 2>/dev/null || true)"
cd "$dir/work"
# A user cups-pdf does not know: it writes into its anonymous folder.
export CUPS_USER=tavu-print-test QT_QPA_PLATFORM=offscreen
# Prints one report through the queue and checks the PDF cups-pdf makes of
# it: its page count, A4, no blank page. (cups-pdf turns landscape pages
# into rotated portrait ones, so the page size does not tell the orientation.)
print_and_check() {
    local report="$1" pages="$2" rc=0 pdf="" f page dark info
    timeout 120 "$probe" "$report" >"$dir/log/probe-$report.out" 2>&1 || rc=$?
    if (( rc != 0 )); then echo "printing $report did not succeed ($rc):"; cat "$dir/log/probe-$report.out"; exit 1; fi
    [[ -z "$(ls -A)" ]] || { echo "files left in the working folder:"; ls -A; exit 1; }
    for _ in $(seq 300); do
        for f in "$out_dir"/"$report"-*.pdf; do
            [[ -e "$f" ]] && ! grep -qxF "$f" <<<"$before" && pdf="$f"
        done
        # cups-pdf writes the file, then the job completes.
        if [[ -n "$pdf" ]] && [[ -z "$(timeout 10 lpstat -o TavuPDF)" ]]; then break; fi
        pdf=""
        sleep 0.2
    done
    if [[ -z "$pdf" ]]; then
        echo "cups-pdf wrote no PDF of the $report"; grep -E '^E ' "$dir/log/error_log" | tail -5; exit 1
    fi
    info="$(pdfinfo "$pdf" 2>/dev/null)"
    grep -Eq "^Pages: +$pages\$" <<<"$info" || { echo "expected $pages pages of $report:"; echo "$info"; exit 1; }
    grep -Eq '^Page size: +(595|596) x 842|^Page size: +842 x (595|596)' <<<"$info" ||
        { echo "expected A4 for $report:"; echo "$info"; exit 1; }
    # Every page carries what was drawn: far from blank.
    rm -f "$dir"/page-*.pgm
    pdftoppm -gray -r 20 "$pdf" "$dir/page" 2>/dev/null
    for page in "$dir"/page-*.pgm; do
        dark="$(tail -c +16 "$page" | od -An -v -tu1 | tr -s ' ' '\n' | awk '$1 != "" && $1 < 128 {n++} END {print n + 0}')"
        (( dark > 200 )) || { echo "$report $(basename "$page") looks blank ($dark dark pixels)"; exit 1; }
    done
    printed="$printed $(basename "$pdf")"
}
printed=""
print_and_check summary 8
print_and_check statements 24

# The command line prints on the same default queue, without a window, and
# writes nothing into the book's folder.
build="$(dirname "$probe")"
mkdir "$dir/book"
(cd "$dir/book" && "$build/report_book_tool" full)
cli() {
    local want="$1" rc=0
    timeout 120 "$build/tavu" --print summary "$dir/book" >"$dir/log/cli.out" 2>&1 || rc=$?
    (( rc == want )) || { echo "tavu --print summary: $rc, not $want"; cat "$dir/log/cli.out"; exit 1; }
    [[ "$(ls -A "$dir/book")" == allitem.hrm ]] || { echo "files in the book's folder:"; ls -A "$dir/book"; exit 1; }
}
cli 0
grep -q 'TavuPDF' "$dir/log/cli.out" || { cat "$dir/log/cli.out"; exit 1; }
for _ in $(seq 300); do
    [[ -z "$(timeout 10 lpstat -o TavuPDF)" ]] && break
    sleep 0.2
done

# A personal default (what lpoptions -d writes for a user) names another
# queue of this print service: TAVU prints there and says so.
timeout 30 lpadmin -p TavuOther -E -v cups-pdf:/ -P "$ppd" 2>>"$dir/log/lpadmin.err" ||
    { echo "the second queue could not be set up:"; cat "$dir/log/lpadmin.err"; exit 1; }
echo "Default TavuOther" >"$HOME/.cups/lpoptions"
# Waits until a queue has no job left; prints how many jobs it completed.
done_jobs() {
    for _ in $(seq 300); do
        [[ -z "$(timeout 10 lpstat -o "$1")" ]] && break
        sleep 0.2
    done
    timeout 10 lpstat -W completed -o "$1" | wc -l
}
# The window's print of the summary ($@: the probe's arguments before it);
# its messages and status line must contain $want.
probe_says() {
    local want="$1" rc=0
    shift
    timeout 120 "$probe" "$@" summary >"$dir/log/probe-to.out" 2>&1 || rc=$?
    (( rc == 0 )) && grep -qF "$want" "$dir/log/probe-to.out" ||
        { echo "print_probe $*: $rc, not saying $want:"; cat "$dir/log/probe-to.out"; exit 1; }
}
other=0
cli 0
grep -q 'TavuOther' "$dir/log/cli.out" || { echo "the personal default was not named:"; cat "$dir/log/cli.out"; exit 1; }
probe_says 'プリンタ「TavuOther」に 8 ページ'
(( $(done_jobs TavuOther) == other + 2 )) || { echo "the jobs did not go to the personal default TavuOther"; exit 1; }
other=$((other + 2))
rm "$HOME/.cups/lpoptions"

# 印刷先の選択: the chosen printer takes the print commands' jobs, and still
# after a restart; once it is gone the user hears so and the default prints.
probe_says 'プリンタ「TavuOther」に 8 ページ' to TavuOther
probe_says 'プリンタ「TavuOther」に 8 ページ'
(( $(done_jobs TavuOther) == other + 2 )) || { echo "the jobs did not go to the chosen TavuOther"; exit 1; }
timeout 30 lpadmin -x TavuOther
probe_says '選んであった プリンタ「TavuOther」が 見つからへん'
grep -qF 'プリンタ「TavuPDF」に 8 ページ' "$dir/log/probe-to.out" || { cat "$dir/log/probe-to.out"; exit 1; }
probe_says 'プリンタ「TavuPDF」に 8 ページ'
! grep -qF '見つからへん' "$dir/log/probe-to.out" || { echo "the vanished printer was told twice"; exit 1; }
done_jobs TavuPDF >/dev/null

# A queue that refuses jobs: the failure is told, nothing is written.
timeout 30 cupsreject TavuPDF
for report in summary statements; do
    rc=0
    timeout 120 "$probe" "$report" >"$dir/log/refused-$report.out" 2>&1 || rc=$?
    if (( rc != 1 )); then echo "a refused $report job was not reported ($rc):"; cat "$dir/log/refused-$report.out"; exit 1; fi
    grep -q '印刷 でけへんかってん' "$dir/log/refused-$report.out" || { cat "$dir/log/refused-$report.out"; exit 1; }
    [[ -z "$(ls -A)" ]] || { echo "files left after the refused job:"; ls -A; exit 1; }
done
cli 7

# Printers, but no default, and the chosen one gone: a PDF, and the user is
# told to choose a printer, not that the default took the job.
timeout 30 lpadmin -p TavuThird -E -v cups-pdf:/ -P "$ppd" 2>>"$dir/log/lpadmin.err" &&
    timeout 30 lpadmin -p TavuFourth -E -v cups-pdf:/ -P "$ppd" 2>>"$dir/log/lpadmin.err" ||
    { echo "the last queues could not be set up:"; cat "$dir/log/lpadmin.err"; exit 1; }
probe_says 'プリンタ「TavuThird」に 8 ページ' to TavuThird
done_jobs TavuThird >/dev/null
timeout 30 lpadmin -x TavuThird
timeout 30 lpadmin -x TavuPDF
rc=0
timeout 120 "$probe" summary >"$dir/log/no-default.out" 2>&1 || rc=$?
(( rc == 2 )) && grep -qxF '選んであった プリンタ「TavuThird」が 見つからへん。' "$dir/log/no-default.out" &&
    grep -qF 'いつもの プリンタが 決まってへんから、PDF に' "$dir/log/no-default.out" ||
    { echo "no default printer ($rc):"; cat "$dir/log/no-default.out"; exit 1; }
echo "printed through cups-pdf:$printed"
