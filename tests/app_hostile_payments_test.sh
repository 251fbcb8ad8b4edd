#!/usr/bin/env bash
# Payments files that are not what they seem, through start-up and a save:
# nothing hangs (a timeout fails the test), start-up says what it could not
# read, the save writes the new pair whole, and what was there is never
# destroyed: a file not read whole is moved aside as
# allitem.pay.unread-<time> byte for byte, a FIFO, a device link or a folder
# is moved aside as it is (never opened). A file read whole (CR-only line
# ends) is credited and becomes the safety copy.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT
cd "$top"
fail() { echo "FAIL: $*"; exit 1; }

mkdir pair
(cd pair && "$probe" pair-once 5 >/dev/null) || fail "no pair to start from"

# name | made over allitem.pay | start-up's words (empty: read fine) | what goes aside:
#   type test for the unread name ("" when nothing goes aside), "same" when its bytes must match
rows=(
    "fifo|rm allitem.pay && mkfifo allitem.pay|読まれへんかってん|-p"
    "device link|rm allitem.pay && ln -s /dev/zero allitem.pay|読まれへんかってん|-L"
    "folder|rm allitem.pay && mkdir allitem.pay|読まれへんかってん|-d"
    "5 MiB|echo tavu-payments 1 >allitem.pay && truncate -s 5M allitem.pay|読まれへんかってん|same"
    "one bad line|printf 'P\\t1\\t2\\t5\\t2026-12-08\\t\\xff\\t寄付\\n' >>allitem.pay|1 行 読まれへんかってん|same"
    "UTF-16|iconv -f UTF-8 -t UTF-16 allitem.pay >u16 && mv u16 allitem.pay|読まれへんかってん|same"
    "newer header|sed -i 1s/1/2/ allitem.pay|読まれへんかってん|same"
    "CR-only|tr '\\n' '\\r' <allitem.pay >cr && mv cr allitem.pay||"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name make words aside <<<"$row"
    rm -rf case && cp -a pair case && cd case
    eval "$make"
    [[ -f allitem.pay && ! -L allitem.pay ]] && made="$(sha256sum <allitem.pay)" || made=""
    if [[ -z "$words" ]]; then
        [[ "$(timeout 20 "$probe" pair-check 2>/dev/null)" == 5 ]] || fail "$name: the record was not credited"
    fi

    rc=0
    timeout 20 "$probe" pair-next 6 >../saved.txt 2>../said.txt || rc=$?
    (( rc != 124 )) || fail "$name: start-up or the save hangs"
    (( rc == 0 )) || { cat ../said.txt ../saved.txt; fail "$name: the save did not say it was done ($rc)"; }
    if [[ -n "$words" ]]; then
        grep -qF "$words" ../said.txt || { cat ../said.txt; fail "$name: start-up said otherwise"; }
    else
        ! grep -q "start-up said" ../said.txt || { cat ../said.txt; fail "$name: start-up complained"; }
    fi
    [[ "$("$probe" pair-check 2>/dev/null)" == 6 ]] || fail "$name: the new pair does not read back whole"

    unread=(allitem.pay.unread-*)
    if [[ -z "$aside" ]]; then
        [[ ! -e "${unread[0]}" ]] || fail "$name: moved aside although it was read whole"
        [[ -f allitem.pay.bak ]] || fail "$name: no safety copy"
        cd ..
        continue
    fi
    [[ -e "${unread[0]}" || -L "${unread[0]}" ]] || { ls -la; fail "$name: nothing moved aside"; }
    grep -qF "${unread[0]}" ../saved.txt || fail "$name: the save did not say where it went"
    if [[ "$aside" == same ]]; then
        [[ "$(sha256sum <"${unread[0]}")" == "$made" ]] || fail "$name: the file moved aside changed"
    else
        test "$aside" "${unread[0]}" || fail "$name: what was moved aside is no longer what it was"
    fi
    cd ..
done
echo "hostile payments files: ${#rows[@]} rows"
