#!/usr/bin/env bash
# A save that cannot write says so, keeps the unsaved flag and leaves the
# last saved file and its safety copy as they were: with every write failing
# (disk full, injected), and run as a user who may not write into the folder.
# A safety copy that cannot be kept (injected) does not stop the save: the
# new book is written, the old copy stays, and the user is warned; so is a
# flush that fails once allitem.hrm has been replaced.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.kept"' EXIT
cd "$dir"

"$probe" once 6 >/dev/null || { echo "the first save did not succeed"; exit 1; }
"$probe" once 7 >/dev/null || { echo "the second save did not succeed"; exit 1; }
before="$(sha256sum allitem.hrm allitem.bak)"
listing="$(ls -A)"
[[ "$listing" == "allitem.bak"$'\n'"allitem.hrm" ]] || { echo "after two saves:"; ls -A; exit 1; }

expect_failure() {
    local what="$1" rc=0
    shift
    "$@" >/dev/null 2>&1 || rc=$?
    if (( rc != 1 )); then echo "$what: expected the failure message, probe ended with $rc"; exit 1; fi
    [[ "$(sha256sum allitem.hrm allitem.bak)" == "$before" ]] ||
        { echo "$what: allitem.hrm or allitem.bak changed"; exit 1; }
    [[ "$(ls -A)" == "$listing" ]] || { echo "$what: files left behind:"; ls -A; exit 1; }
    [[ "$("$probe" check)" == 7 ]] || { echo "$what: the saved book does not read back"; exit 1; }
}

if command -v strace >/dev/null; then
    expect_failure "disk full" \
        strace -f -qq -o /dev/null -e trace=write -e inject=write:error=ENOSPC "$probe" once 8
else
    echo "strace missing: disk-full case skipped"
fi

# Saved after a warning about allitem.bak, which stays as it was; then the
# two files are put back for the next case.
expect_warning() {
    local what="$1" rc=0
    shift
    mkdir -p "$dir.kept" && cp allitem.hrm allitem.bak "$dir.kept/"
    "$@" >/dev/null 2>&1 || rc=$?
    if (( rc != 3 )); then echo "$what: expected a warning, then done; probe ended with $rc"; exit 1; fi
    cmp -s allitem.bak "$dir.kept/allitem.bak" || { echo "$what: allitem.bak changed"; exit 1; }
    [[ "$(ls -A)" == "$listing" ]] || { echo "$what: files left behind:"; ls -A; exit 1; }
    [[ "$("$probe" check)" == 8 ]] || { echo "$what: the new book is not saved"; exit 1; }
    cp "$dir.kept/allitem.hrm" "$dir.kept/allitem.bak" .
}

if command -v strace >/dev/null; then
    # The safety copy is a hard link renamed into place: the rename fails
    # (renames: allitem.dat, allitem.bak, allitem.hrm).
    expect_warning "safety copy, rename fails" \
        strace -f -qq -o /dev/null -e trace=rename -e inject=rename:error=EIO:when=2 "$probe" once 8
    # Without hard links it is a copy, and the copy's flush fails (flushes:
    # allitem.dat, its folder, allitem.hrm, the copy).
    expect_warning "safety copy without links, flush fails" \
        strace -f -qq -o /dev/null -e trace=link,fsync -e inject=link:error=EPERM \
        -e inject=fsync:error=EIO:when=4 "$probe" once 8
    # The folder's flush after allitem.hrm's rename fails (flushes: allitem.dat,
    # its folder, allitem.hrm, the copy, its folder, allitem.hrm's folder):
    # the save is done, with a warning.
    rc=0
    strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:error=EIO:when=6 "$probe" once 8 \
        >/dev/null 2>&1 || rc=$?
    (( rc == 3 )) || { echo "last flush fails: expected a warning, then done; got $rc"; exit 1; }
    [[ "$("$probe" check)" == 8 ]] || { echo "last flush fails: the new book is not there"; exit 1; }
    [[ "$(ls -A)" == "$listing" ]] || { echo "last flush fails: files left behind:"; ls -A; exit 1; }
    cp "$dir.kept/allitem.hrm" "$dir.kept/allitem.bak" .
fi

if command -v setpriv >/dev/null && [[ "$(id -u)" == 0 ]]; then
    chmod 755 "$dir"
    chmod 644 allitem.hrm
    expect_failure "read-only folder" \
        env XDG_RUNTIME_DIR=/tmp setpriv --reuid=65534 --regid=65534 --clear-groups "$probe" once 9
else
    echo "not root: read-only folder case skipped"
fi

# Without hard links the copy is kept all the same.
if command -v strace >/dev/null; then
    hrm_before="$(cat allitem.hrm | sha256sum)"
    strace -f -qq -o /dev/null -e trace=link -e inject=link:error=EPERM "$probe" once 8 >/dev/null ||
        { echo "a save without hard links failed"; exit 1; }
    [[ "$(cat allitem.bak | sha256sum)" == "$hrm_before" ]] ||
        { echo "without hard links, allitem.bak is not the save before"; exit 1; }
    [[ "$("$probe" check)" == 8 ]] || { echo "the save without hard links does not read back"; exit 1; }
fi
