#!/usr/bin/env bash
# tavu --pdf, --print and --csv from a shell: each form, each exit status, the
# data files' bytes unchanged after every run, no output file after a failure,
# an older-layout file read where it lies.
set -euo pipefail
build="$(cd "$1" && pwd)"
tavu="$build/tavu"
tool="$build/report_book_tool"
top="$(mktemp -d)"
home="$(mktemp -d)"
trap 'rm -rf "$top" "$home"' EXIT
# A home of its own: no print options or settings of the user's come in.
export HOME="$home" XDG_CONFIG_HOME="$home/.config"
cd "$top"
# No print service: --print has no printer.
export CUPS_SERVER="$top/no-cups.sock"
unset QT_QPA_PLATFORM # the program chooses offscreen itself

fail() { echo "FAIL: $*"; exit 1; }

# run <status> <folder> <arguments...>: the status; after a failure one line on
# stderr and the folder as it was; after every run its data files' bytes as
# they were.
snapshot() { (cd "$1" && ls -A && sha256sum allitem* 2>/dev/null || true); }
data_files() { (cd "$1" && sha256sum allitem* 2>/dev/null || true); }
run() {
    local want="$1" folder="$2" rc=0
    shift 2
    local before data
    before="$(snapshot "$folder")"
    data="$(data_files "$folder")"
    timeout 60 "$tavu" "$@" >"$top/out.txt" 2>"$top/err.txt" || rc=$?
    (( rc == want )) || { cat "$top/out.txt" "$top/err.txt"; fail "tavu $* ended with $rc, not $want"; }
    [[ "$(data_files "$folder")" == "$data" ]] || fail "tavu $*: a data file changed"
    if (( want != 0 )); then
        [[ "$(wc -l <"$top/err.txt")" == 1 ]] || { cat "$top/err.txt"; fail "tavu $*: not one line on stderr"; }
        [[ "$(snapshot "$folder")" == "$before" ]] || fail "tavu $*: files changed after a failure"
    fi
}

# The help lists every exit status.
"$tavu" --help >help.txt
for code in 0 1 2 3 4 5 6 7 8; do grep -qE "^  $code  " help.txt || fail "--help misses status $code"; done
[[ "$("$tavu" --version)" == "tavu "* ]] || fail "--version"

mkdir empty book older damaged owing all-paid
(cd book && "$tool" full)
(cd owing && "$tool" paid)
(cd all-paid && "$tool" all-paid)
(cd older && "$tool" older)
printf '"only","three","fields"\r\n' >damaged/allitem.hrm

run 2 book --bogus
run 2 book --pdf total book
run 2 book --csv --out book/allitem.hrm book
run 3 empty --csv empty
run 3 book --pdf summary no-such-folder
run 4 damaged --pdf summary damaged
run 4 damaged --csv damaged
run 6 book --print summary book
# Without libcups (loaded only to print) --print says what is missing.
TAVU_LIBCUPS=libcups-missing.so.2 run 6 book --print summary book
grep -q 'libcups' "$top/err.txt" || { cat "$top/err.txt"; fail "--print without libcups did not say so"; }
run 5 book --pdf summary --out no-such-folder/s.pdf book
mkdir book/taken.csv
run 5 book --csv --out book/taken.csv book
rmdir book/taken.csv

# The summary as a PDF named by the fallback's rule, in the book's folder.
run 0 book --pdf summary book
pdf="$(cat out.txt)"
[[ "$pdf" == "$top"/book/summary-????????-??????.pdf && -f "$pdf" ]] || fail "PDF at '$pdf'"
[[ "$(pdfinfo "$pdf" | grep '^Pages:')" =~ \ 8$ ]] || fail "summary of the full book is not 8 pages"
pdftotext "$pdf" text.txt
grep -q '全' text.txt || fail "no Japanese text in the PDF"

# --out relative to where the command is typed, replaced when there.
mkdir outputs
run 0 book --pdf summary --out outputs/s.pdf book
run 0 book --pdf summary --out outputs/s.pdf book
[[ "$(cat out.txt)" == "$top/outputs/s.pdf" ]] || fail "--out path"
[[ "$(pdfinfo outputs/s.pdf | grep '^Pages:')" =~ \ 8$ ]] || fail "--out PDF"

# The statements of every named member, as 個別印刷 prints them.
run 0 book --pdf statements --out outputs/st.pdf book
[[ "$(pdfinfo outputs/st.pdf | grep '^Pages:')" =~ \ 24$ ]] || fail "statements of the full book are not 24 pages"
run 6 book --print statements book

# The unpaid list: the members who still owe, named by the fallback's rule;
# a book where everyone has paid makes none, and says so.
run 0 owing --pdf unpaid owing
pdf="$(cat out.txt)"
[[ "$pdf" == "$top"/owing/unpaid-????????-??????.pdf && -f "$pdf" ]] || fail "unpaid PDF at '$pdf'"
pdftotext -layout "$pdf" text.txt
grep -q '未 *収 *一 *覧' text.txt || fail "no heading in the unpaid list"
grep -q '合  *計 *[0-9][0-9] 人' text.txt || fail "no totals in the unpaid list"
run 0 book --pdf unpaid --out outputs/u.pdf book
[[ "$(pdftotext outputs/u.pdf - | grep -c '幹事 花子')" -ge 2 ]] || fail "unpaid list of the full book is one page"
run 8 all-paid --pdf unpaid all-paid
run 8 all-paid --print unpaid all-paid
run 6 owing --print unpaid owing
# A payments file that cannot be counted whole is said beside the list.
mkdir -p pay-damaged && cp owing/allitem.hrm pay-damaged/
printf 'tavu-payments 1\nnot an entry\n' >pay-damaged/allitem.pay
run 0 pay-damaged --pdf unpaid pay-damaged
grep -q 'of allitem.pay cannot be read and are not counted' err.txt || fail "damaged payments not said"

# Receipts and reminder slips, named by the fallback's rule; a book where
# nobody paid (on the day asked) or nobody owes makes none, and says so.
mkdir sample
(cd sample && "$tool" sample)
run 0 sample --pdf receipts sample
pdf="$(cat out.txt)"
[[ "$pdf" == "$top"/sample/receipts-????????-??????.pdf && -f "$pdf" ]] || fail "receipts PDF at '$pdf'"
pdftotext "$pdf" text.txt
[[ "$(grep -c '上記正に領収いたしました' text.txt)" == 10 ]] || fail "not a receipt per member who paid"
grep -q '¥[0-9,]*－' text.txt || fail "no receipt amount"
[[ "$(pdfinfo "$pdf" | grep '^Pages:')" =~ \ 3$ ]] || fail "ten receipts are not 3 pages"
run 0 sample --pdf receipts --date 2026-12-01 --out outputs/r1.pdf sample
[[ "$(pdftotext outputs/r1.pdf - | grep -c '2026年12月1日')" -ge 1 &&
   "$(pdftotext outputs/r1.pdf - | grep -c '2026年12月[2-9]日')" == 0 ]] || fail "--date receipts"
run 8 sample --pdf receipts --date 2026-11-30 sample
run 8 book --pdf receipts book
run 2 sample --pdf receipts --date 2026-13-01 sample
run 2 sample --pdf summary --date 2026-12-01 sample
run 6 sample --print receipts sample
run 0 sample --pdf reminders sample
pdf="$(cat out.txt)"
[[ "$pdf" == "$top"/sample/reminders-????????-??????.pdf ]] || fail "reminders PDF at '$pdf'"
grep -q 'no line on how to pay is kept yet' err.txt || fail "the missing line is not said"
pdftotext "$pdf" text.txt
grep -q 'お支払いのお願い' text.txt && grep -q '月[0-9]*日 現在' text.txt || fail "reminder slip text"
run 8 all-paid --pdf reminders all-paid
run 6 sample --print reminders sample

# One PDF per member: named by number and name, never over a file there.
run 0 sample --pdf receipts --each outputs/each sample
[[ "$(wc -l <out.txt)" == 10 && "$(ls outputs/each | wc -l)" == 10 ]] || fail "--each: not ten files"
[[ -f "outputs/each/01_佐藤一郎.pdf" ]] || { ls outputs/each; fail "--each names"; }
sum="$(sha256sum <"outputs/each/01_佐藤一郎.pdf")"
run 0 sample --pdf receipts --each outputs/each sample
[[ -f "outputs/each/01_佐藤一郎-2.pdf" && "$(sha256sum <"outputs/each/01_佐藤一郎.pdf")" == "$sum" ]] ||
    fail "--each wrote over a file"
run 0 sample --pdf statements --each outputs/st-each sample
[[ "$(ls outputs/st-each | wc -l)" == 10 ]] || fail "--each statements"
run 2 sample --pdf summary --each outputs/x sample
run 2 sample --print receipts --each outputs/x sample
run 2 sample --pdf receipts --each outputs/x --out outputs/x.pdf sample
[[ ! -e outputs/x ]] || fail "a refused --each made its folder"

# The CSV: BOM, CR LF, the first lines, a row per member and the totals.
run 0 book --csv --out outputs/t.csv book
[[ "$(head -c 3 outputs/t.csv | od -An -tx1)" == " ef bb bf" ]] || fail "no BOM"
[[ "$(grep -c $'\r$' outputs/t.csv)" == 99 && "$(wc -l <outputs/t.csv)" == 99 ]] || fail "CSV lines"
sed -n 1p outputs/t.csv | grep -q $'^\xEF\xBB\xBF期間,2026年12月,担当,幹事 花子\r$' || fail "CSV first line"
sed -n 2p outputs/t.csv | grep -q '^番号,名前,忘年会,' || fail "CSV header"
tail -n 1 outputs/t.csv | grep -q '^,合計,' || fail "CSV totals"
(cd book && run 0 . --csv)
[[ "$(cat out.txt)" == "$top"/book/book-????????-??????.csv ]] || fail "CSV by the naming rule"

# The payments record as CSV, read from allitem.pay beside the book: a row per
# member and item that owes or has received anything, the totals last.
mkdir paid
(cd paid && "$tool" paid)
run 0 paid --csv payments --out outputs/pay.csv paid
[[ "$(head -c 3 outputs/pay.csv | od -An -tx1)" == " ef bb bf" ]] || fail "payments CSV: no BOM"
sed -n 2p outputs/pay.csv | grep -q $'^番号,名前,項目,請求,受取,残り,受取日,状態,充当\r$' || fail "payments CSV header"
sed -n 3p outputs/pay.csv | grep -q $'^1,佐藤 1,お歳暮 2026,501,1001,,2026/12/01,過払い,[0-9]*\r$' || fail "payments CSV row"
tail -n 1 outputs/pay.csv | grep -q $'^,合計,,[0-9]*,[0-9]*,[0-9]*,,,[0-9]*\r$' || fail "payments CSV totals"
(cd paid && run 0 . --csv payments)
[[ "$(cat out.txt)" == "$top"/paid/payments-????????-??????.csv ]] || fail "payments CSV by the naming rule"
run 2 paid --pdf payments paid

# An older-layout file is read where it lies: no allitem.hrm appears.
run 0 older --csv older
csv="$(cat out.txt)"
grep -q $'^\xEF\xBB\xBF期間,2019年4月,担当,係\r$' "$csv" || fail "older file's header"
grep -q $'^1,古1,300,,300\r$' "$csv" || fail "older file's member 1"
grep -q $'^2,古2,,1200,1200\r$' "$csv" || fail "older file's member 2"
[[ ! -e older/allitem.hrm ]] || fail "the older file was converted"

# The year's totals over the past periods: two archives, a damaged one named
# and left out, and the current period last; unknown names and options refused.
mkdir -p periods/kako/2026-10 periods/kako/2026-11 periods/kako/broken
cp book/allitem.hrm periods/allitem.hrm
cp book/allitem.hrm periods/kako/2026-10/allitem.hrm
cp book/allitem.hrm periods/kako/2026-11/allitem.hrm
printf 'not a book' >periods/kako/broken/allitem.hrm
touch -d '2026-10-31 18:00' periods/kako/2026-10/allitem.hrm
touch -d '2026-11-05 18:00' periods/kako/broken/allitem.hrm
touch -d '2026-11-30 18:00' periods/kako/2026-11/allitem.hrm
run 0 periods --csv periods --out outputs/p.csv periods
grep -q 'kako/broken cannot be read' err.txt || fail "the damaged archive is not named"
sed -n 1p outputs/p.csv | grep -q $'^\xEF\xBB\xBF名前,2026年12月,2026年12月,2026年12月,合計\r$' || fail "periods CSV header"
[[ "$(wc -l <outputs/p.csv)" == 98 ]] || fail "periods CSV: a row per member and the totals"
run 0 periods --pdf periods --from 2026-10 --to 2026-11 --out outputs/p.pdf periods
[[ "$(pdfinfo outputs/p.pdf | grep '^Pages:')" =~ \ 4$ ]] || fail "periods PDF: 97 rows on 4 pages"
(cd periods && run 0 . --csv periods --from 2026-11)
[[ "$(cat out.txt)" == "$top"/periods/periods-????????-??????.csv ]] || fail "periods CSV by the naming rule"
run 2 periods --csv periods --from 2025-01 periods
run 2 periods --csv periods --from 2026-11 --to 2026-10 periods
grep -q 'closed after --to 2026-10' err.txt || fail "a backwards range is said"
run 2 book --pdf summary --to 2026-11 book
run 3 empty --pdf periods empty

# A disk that fills up: a failure, and no file is left behind.
if command -v strace >/dev/null; then
    for args in "--csv" "--pdf summary"; do
        rc=0
        # shellcheck disable=SC2086
        strace -f -qq -o /dev/null -e trace=write -e inject=write:error=ENOSPC \
            "$tavu" $args book >out.txt 2>err.txt || rc=$?
        (( rc == 5 )) || { cat err.txt; fail "disk full, $args: status $rc"; }
        [[ -z "$(cd book && ls -A | grep -vE '^(allitem.hrm|summary-.*\.pdf|book-.*\.csv)$')" ]] ||
            { ls -A book; fail "disk full, $args: a file was left"; }
    done
else
    echo "strace missing: disk-full case skipped"
fi
echo "all report command cases passed"
