#!/usr/bin/env bash
# Files that are not what they seem, named like the book: each is reported at
# start-up and by the command line (status 4), and neither hangs (a timeout
# fails the test) nor reads without end. A symbolic link to a book is read,
# and a save writes through it. --out refuses what is no regular file
# (status 5) and writes through a link.
set -euo pipefail
build="$(cd "$1" && pwd)"
probe="$build/save_probe"
tavu="$build/tavu"
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT
cd "$top"
unset QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }

mkdir books
(cd books && "$probe" once 5 >/dev/null) || fail "no book to start from"

# The unreadable file is read by a user without the permission: as root, by
# nobody (the folders opened to all for it).
reader=()
if [[ "$(id -u)" == 0 ]] && command -v setpriv >/dev/null; then
    chmod 755 "$top"
    reader=(env XDG_RUNTIME_DIR=/tmp setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# name | what is made under that name | start-up's words (empty: read fine) | status
rows=(
    "fifo|allitem.hrm|mkfifo allitem.hrm|ふつうの ファイルや あらへん|4"
    "older fifo|allitem.ngs|mkfifo allitem.ngs|ふつうの ファイルや あらへん|4"
    "device link|allitem.hrm|ln -s /dev/zero allitem.hrm|ふつうの ファイルや あらへん|4"
    "folder|allitem.hrm|mkdir allitem.hrm|ふつうの ファイルや あらへん|4"
    "oversize|allitem.hrm|head -c 2097152 /dev/urandom >allitem.hrm|でかすぎる|4"
    "unreadable|allitem.hrm|cp ../books/allitem.hrm . && chmod 000 allitem.hrm|読まれへん|4"
    "symlink|allitem.hrm|ln -s ../books/allitem.hrm allitem.hrm||0"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name file make words status <<<"$row"
    if [[ "$name" == unreadable && "$(id -u)" == 0 && ${#reader[@]} == 0 ]]; then
        echo "$name: skipped (root without setpriv)"; continue
    fi
    rm -rf case && mkdir case && chmod 755 case && cd case
    eval "$make"
    run=()
    [[ "$name" == unreadable ]] && run=("${reader[@]}")

    rc=0
    read="$(timeout 20 "${run[@]}" "$probe" check 2>../said.txt)" || rc=$?
    (( rc != 124 )) || fail "$name: start-up hangs"
    if [[ -n "$words" ]]; then
        grep -qF "「$file」 が $words" ../said.txt || { cat ../said.txt; fail "$name: start-up said otherwise"; }
    else
        (( rc == 0 )) && [[ "$read" == 5 ]] || { cat ../said.txt; fail "$name: start-up read '$read' ($rc)"; }
    fi

    rc=0
    timeout 20 "${run[@]}" "$tavu" --csv --out ../out.csv . >../out.txt 2>&1 || rc=$?
    (( rc == status )) || { cat ../out.txt; fail "$name: tavu --csv ended with $rc, not $status"; }
    cd ..
done

# A save through the link replaces the book it leads to and keeps the link;
# the safety copy is a plain file holding the book before.
cd case
before="$(sha256sum <../books/allitem.hrm)"
[[ "$("$probe" next)" == 6 ]] || fail "the save through the link failed"
[[ -L allitem.hrm && "$(readlink allitem.hrm)" == ../books/allitem.hrm ]] || fail "the link was replaced"
[[ -f allitem.bak && ! -L allitem.bak ]] || fail "allitem.bak is not a plain file"
[[ "$(sha256sum <allitem.bak)" == "$before" ]] || fail "allitem.bak is not the book before"
[[ "$(cd ../books && "$probe" check)" == 6 ]] || fail "the linked book was not saved"
[[ "$(ls -A ../books)" == allitem.hrm ]] || fail "the book's own folder holds more than the book"
cd ..

# --out: no regular file is refused and nothing renamed over it; a link
# leads to its target.
mkfifo pipe
ln -s target.csv link.csv
echo old >target.csv
for out in /dev/null pipe /dev/stdout; do
    rc=0
    timeout 20 "$tavu" --csv --out "$out" books 2>err.txt | cat >/dev/null || rc=$?
    (( rc == 5 )) || fail "--out $out ended with $rc, not 5"
done
[[ -c /dev/null && -p pipe ]] || fail "something was renamed over an --out that is no file"
timeout 20 "$tavu" --csv --out link.csv books >/dev/null || fail "--out through a link"
[[ -L link.csv ]] && grep -q '期間' target.csv || fail "--out did not write through the link"
