#!/usr/bin/env bash
# Two programs on one folder: the second finds the book held, is opened
# read-only when asked, refuses to save and removes nothing, not even what
# looks like a leftover (the first program's save in progress). Once the
# first is killed its lock is gone: the next start holds the folder and
# tidies it.
set -euo pipefail
build="$(cd "$1" && pwd)"
probe="$build/save_probe"
dir="$(mktemp -d)"
first=""
trap '[[ -n "$first" ]] && kill -9 "$first" 2>/dev/null; rm -rf "$dir"' EXIT
cd "$dir"
fail() { echo "FAIL: $*"; exit 1; }

"$probe" once 4 >/dev/null || fail "the book could not be saved"
"$probe" hold >first.txt &
first=$!
for _ in $(seq 300); do [[ -s first.txt ]] && break; sleep 0.1; done
[[ "$(cat first.txt)" == ready ]] || fail "the first program did not start with the lock"
[[ -e .allitem.lock ]] || fail "the first program took no lock file"
rm first.txt
# The first program's save in progress, and a working file.
echo half >.allitem.hrm.AbC123
echo work >allitem.dat
before="$(ls -A; sha256sum allitem.* .allitem.*)"

rc=0
out="$(timeout 60 "$probe" second)" || rc=$?
(( rc == 3 )) || { echo "$out"; fail "the second program ended with $rc, not read-only (3)"; }
for said in "読み取り専用" "別の ＴＡＶＵ が もう 開いてまっせ" "保存 は でけへんで"; do
    grep -qF "$said" <<<"$out" || { echo "$out"; fail "the second program did not say: $said"; }
done
[[ "$(ls -A; sha256sum allitem.* .allitem.*)" == "$before" ]] || fail "the second program changed the folder"
kill -0 "$first" || fail "the first program has ended"

kill -9 "$first"
wait "$first" 2>/dev/null || true
first=""
out="$(timeout 60 "$probe" second)" || fail "after the first was killed the lock was not taken: $out"
[[ ! -e .allitem.hrm.AbC123 ]] || fail "the program holding the lock left the leftover"
