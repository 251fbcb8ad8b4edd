#!/usr/bin/env bash
# Failures injected at each step of a save that changes the book and its
# payments, and of 新しい期間 with the carry-over, one row each (strace; a
# file size limit for a write that fails on one file only). Before
# allitem.hrm is replaced nothing changes and the failure is said; after it
# the book is saved and only what was not written is reported, and the next
# start shows the pair of one save.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
command -v strace >/dev/null || { echo "strace missing"; exit 77; }
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT
cd "$top"
fail() { echo "FAIL: $*"; exit 1; }

mkdir pair
(cd pair && "$probe" pair-once 6 >/dev/null && "$probe" pair-once 7 >/dev/null) ||
    fail "no pair to start from"
pristine="$(cd pair && sha256sum allitem.hrm allitem.pay)"

inject() { strace -f -qq -o /dev/null "$@"; }
# Writes beyond 1,536 bytes fail: the book (1,401) is written, its payments
# (1,753) are not.
small_files() { (trap '' XFSZ; prlimit --fsize=1536 "$@"); }

# name | how the save is run | what the save says (grep) | generation at the next start |
#   "same" when the book and its payments must be as they were
save_rows=(
    "disk full (nothing printed either)|inject -e trace=write -e inject=write:error=ENOSPC||7|same"
    "payments not written|small_files|データが 書かれへん|7|same"
    "data file's flush|inject -e trace=fsync -e inject=fsync:error=EIO:when=1|データが 書かれへん|7|same"
    "payments' flush|inject -e trace=fsync -e inject=fsync:error=EIO:when=3|データが 書かれへん|7|same"
    "book's flush|inject -e trace=fsync -e inject=fsync:error=EIO:when=4|データが 書かれへん|7|same"
    "data file's rename|inject -e trace=rename -e inject=rename:error=EIO:when=1|データが 書かれへん|7|same"
    "book's rename|inject -e trace=rename -e inject=rename:error=EIO:when=3|データが 書かれへん|7|same"
    "book's copy|inject -e trace=rename -e inject=rename:error=EIO:when=2|データ保存 してもうた|8|"
    "payments' copy|inject -e trace=rename -e inject=rename:error=EIO:when=4|データ保存 してもうた|8|"
    "payments' rename|inject -e trace=rename -e inject=rename:error=EIO:when=5|帳面は 保存したけど|8|"
    "last flush|inject -e trace=fsync -e inject=fsync:error=EIO:when=10|ちゃんと 書けた|8|"
)
for row in "${save_rows[@]}"; do
    IFS='|' read -r name how says gen same <<<"$row"
    rm -rf case && cp -a pair case && cd case
    rc=0
    $how "$probe" pair-once 8 >../said.txt 2>/dev/null || rc=$?
    (( rc == 0 || rc == 1 || rc == 3 )) || { cat ../said.txt; fail "$name: the probe ended with $rc"; }
    if [[ -z "$says" ]]; then
        (( rc == 1 )) || fail "$name: the save did not fail ($rc)"
    else
        grep -qF "$says" ../said.txt || { cat ../said.txt; fail "$name: the save did not say '$says'"; }
    fi
    if [[ "$says" != データ保存* && "$says" != ちゃんと* ]] && grep -qF "データ保存 してもうた" ../said.txt; then
        fail "$name: the save said it was done"
    fi
    if [[ -n "$same" ]]; then
        [[ "$(sha256sum allitem.hrm allitem.pay)" == "$pristine" ]] ||
            fail "$name: a file changed"
    fi
    [[ "$("$probe" pair-check 2>/dev/null)" == "$gen" ]] || fail "$name: the next start does not show generation $gen"
    left="$(ls -A | grep -v -x -e allitem.hrm -e allitem.bak -e allitem.pay -e allitem.pay.bak || true)"
    [[ -z "$left" ]] || fail "$name: left after the next start: $left"
    cd ..
done

# 新しい期間 (renames: the archive's allitem.hrm, its allitem.pay, then the
# save's allitem.dat, allitem.bak, allitem.hrm, allitem.pay.bak, allitem.pay).
# name | how | exit of pair-close (0 new period, 1 the period stays) | what it says |
#   the next start's generation (7 open, or closed from 7) | archives
close_rows=(
    "archive not written|inject -e trace=rename -e inject=rename:error=EIO:when=1|2|しまわれへん|7|0"
    "book's rename|inject -e trace=rename -e inject=rename:error=EIO:when=5|1|今の 期間の まま|7|0"
    "archive's payments not written|small_files|2|しまわれへん|7|0"
    "payments' rename|inject -e trace=rename -e inject=rename:error=EIO:when=7|0|帳面は 保存したけど|7|1"
    "nothing fails|env|0|始めたで|7|1"
)
for row in "${close_rows[@]}"; do
    IFS='|' read -r name how code says gen archives <<<"$row"
    rm -rf case && cp -a pair case && cd case
    rc=0
    $how "$probe" pair-close >../said.txt 2>/dev/null || rc=$?
    (( rc == code )) || { cat ../said.txt; fail "close, $name: ended with $rc, not $code"; }
    grep -qF "$says" ../said.txt || { cat ../said.txt; fail "close, $name: did not say '$says'"; }
    [[ "$("$probe" pair-check-periods 2>/dev/null)" == "$gen" ]] || fail "close, $name: the next start is not $gen whole"
    found="$( (ls kako 2>/dev/null || true) | wc -l)"
    (( found == archives )) || fail "close, $name: $found archives, not $archives"
    cd ..
done
echo "save rows: ${#save_rows[@]}, close rows: ${#close_rows[@]}"
