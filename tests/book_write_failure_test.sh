#!/usr/bin/env bash
# Saving and loading with failures injected into the file system calls (a
# full disk, a failed flush, a failed rename): each failure must be reported,
# the book at rest ("allitem.hrm") must stay exactly as it was, and no
# temporary file may be left behind.
set -uo pipefail

tool="$(cd "$1" && pwd)/book_save_tool"
[ -x "$tool" ] || { echo "missing $tool"; exit 1; }
if ! command -v strace > /dev/null || ! strace -o /dev/null true 2> /dev/null; then
    echo "SKIPPED: strace is missing or cannot trace here"
    exit 0
fi

# LeakSanitizer cannot run under ptrace; the sanitizer build still checks
# memory errors.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work=$(mktemp -d)
trap 'rm -rf "$work" "$work.old" "$work.new"' EXIT
cd "$work"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Starts each case from a saved book "old" (and, when asked, a stale
# "allitem.dat" of another book beside it).
prepare() {
    rm -f ./* ./.[!.]* 2> /dev/null
    "$tool" save old || fail "preparing the old book"
    cp allitem.hrm "$work.old"
    if [ "${1:-}" = stale ]; then
        "$tool" save stale && mv allitem.hrm allitem.dat
        cp "$work.old" allitem.hrm
    fi
}

# The book "new" as a save without faults writes it.
mkdir "$work/ref" && (cd "$work/ref" && "$tool" save new) && mv "$work/ref/allitem.hrm" "$work.new"
rmdir "$work/ref"

# check <what> <expected exit code> <command...>; with NEW=1 the new book
# must be in place instead of the old (a step that failed after the rename
# has happened is done: 0, or 3 when the folder flush was not confirmed).
check() {
    local what="$1" expected="$2"
    shift 2
    "$@" > /dev/null 2>&1
    local rc=$?
    [ "$rc" = "$expected" ] || fail "$what: exit code $rc, expected $expected"
    if [ "${NEW:-0}" = 1 ]; then
        cmp -s allitem.hrm "$work.new" || fail "$what: the new book is not in place"
    else
        cmp -s allitem.hrm "$work.old" || fail "$what: allitem.hrm changed"
    fi
    local stray
    stray=$(ls -A | grep -v -x -e allitem.hrm -e allitem.dat)
    [ -z "$stray" ] || fail "$what: stray files left: $stray"
}

inject() {
    strace -f -o /dev/null -e trace="$1" -e inject="$1:error=$2:when=$3" "${@:4}"
}

# One save writes two files: "allitem.dat" (file flush 1, rename 1, folder
# flush 2) and then "allitem.hrm" (file flush 3, rename 2, folder flush 4).
# Other parts of the process may write too, so a full disk is injected into
# every write of one step of the save. The sanitizer runtime writes to a
# pipe of its own and dies when that fails: no full-disk cases there.
full_disk_cases=1
"$tool" sanitized && full_disk_cases=0
if [ $full_disk_cases = 1 ]; then
    prepare
    check "save, disk full while writing allitem.dat" 1 inject write ENOSPC 1+ "$tool" write new
    prepare
    "$tool" write new || fail "writing allitem.dat without faults"
    check "save, disk full while writing allitem.hrm" 1 inject write ENOSPC 1+ "$tool" swap
    prepare stale
    check "save over a stale allitem.dat, disk full" 1 inject write ENOSPC 1+ "$tool" write new
    prepare
    check "load, disk full" 1 inject write ENOSPC 1+ "$tool" load
fi
for when in 1 3; do
    prepare
    check "save, fsync $when fails" 1 inject fsync EIO $when "$tool" save new
done
# The working file's folder flush is confirmed by the last one, of the same
# folder.
prepare
NEW=1 check "save, flushing the folder after allitem.dat's rename fails" 0 \
    inject fsync EIO 2 "$tool" save new
prepare
NEW=1 check "save, flushing the folder after the last rename fails" 3 \
    inject fsync EIO 4 "$tool" save new
prepare
check "save, renaming allitem.dat fails" 1 inject rename EIO 1 "$tool" save new
prepare
check "save, rename over allitem.hrm fails" 1 inject rename EIO 2 "$tool" save new
prepare stale
check "save over a stale allitem.dat, rename fails" 1 inject rename EIO 1 "$tool" save new

# Loading pair-swaps "allitem.hrm" into "allitem.dat" first.
prepare
check "load, fsync fails" 1 inject fsync EIO 1 "$tool" load

# After all that the old book still loads, and a save without faults works.
prepare
[ "$("$tool" load)" = old ] || fail "the old book does not load"
"$tool" save new && [ "$("$tool" load)" = new ] || fail "a save without faults"

rm -f "$work.old" "$work.new"
if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all write-failure cases passed"
