#!/usr/bin/env bash
# A save that cannot write says so, keeps the unsaved flag and leaves the
# last saved file as it was: once with every write failing (disk full,
# injected), once run as a user who may not write into the folder.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cd "$dir"

"$probe" once 7 >/dev/null || { echo "the first save did not succeed"; exit 1; }
before="$(sha256sum allitem.hrm)"
listing="$(ls -A)"

expect_failure() {
    local what="$1" rc=0
    shift
    "$@" >/dev/null 2>&1 || rc=$?
    if (( rc != 1 )); then echo "$what: expected the failure message, probe ended with $rc"; exit 1; fi
    [[ "$(sha256sum allitem.hrm)" == "$before" ]] || { echo "$what: allitem.hrm changed"; exit 1; }
    [[ "$(ls -A)" == "$listing" ]] || { echo "$what: files left behind:"; ls -A; exit 1; }
    [[ "$("$probe" check)" == 7 ]] || { echo "$what: the saved book does not read back"; exit 1; }
}

if command -v strace >/dev/null; then
    expect_failure "disk full" \
        strace -f -qq -o /dev/null -e trace=write -e inject=write:error=ENOSPC "$probe" once 8
else
    echo "strace missing: disk-full case skipped"
fi

if command -v setpriv >/dev/null && [[ "$(id -u)" == 0 ]]; then
    chmod 755 "$dir"
    chmod 644 allitem.hrm
    expect_failure "read-only folder" \
        env XDG_RUNTIME_DIR=/tmp setpriv --reuid=65534 --regid=65534 --clear-groups "$probe" once 9
else
    echo "not root: read-only folder case skipped"
fi
