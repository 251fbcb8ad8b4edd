#!/usr/bin/env bash
# Without a printer the summary becomes a PDF in the working folder. When that
# PDF cannot be written (disk full, injected; a folder the user may not write
# into) the program says so and leaves no file behind.
set -euo pipefail
probe="$(cd "$1" && pwd)/print_probe"
dir="$(mktemp -d)"
out="$(mktemp)"
home="$(mktemp -d)"
trap 'rm -rf "$dir" "$out" "$home"' EXIT
# A home of its own: no print options or settings of the user's come in.
export HOME="$home" XDG_CONFIG_HOME="$home/.config"
cd "$dir"
# No print service: the PDF is the only way out.
export CUPS_SERVER="$dir/no-cups.sock"

rc=0
timeout 120 "$probe" >out.txt 2>&1 || rc=$?
if (( rc != 2 )); then echo "expected a PDF, probe ended with $rc"; cat out.txt; exit 1; fi
pdf="$(ls summary-*.pdf)"
grep -qF "$dir/$pdf" out.txt || { echo "the user was not told where the PDF is"; cat out.txt; exit 1; }
rm -f summary-*.pdf out.txt

expect_failure() {
    local what="$1" rc=0
    shift
    timeout 120 "$@" >"$out" 2>&1 || rc=$?
    if (( rc != 1 )); then
        echo "$what: expected the failure message, probe ended with $rc"; cat "$out"; exit 1
    fi
    [[ -z "$(ls -A)" ]] || { echo "$what: files left behind:"; ls -A; exit 1; }
}

if command -v strace >/dev/null; then
    expect_failure "disk full" \
        strace -f -qq -o /dev/null -e trace=write -e inject=write:error=ENOSPC "$probe"
else
    echo "strace missing: disk-full case skipped"
fi

if command -v setpriv >/dev/null && [[ "$(id -u)" == 0 ]]; then
    chmod 755 "$dir"
    expect_failure "read-only folder" \
        env XDG_RUNTIME_DIR=/tmp setpriv --reuid=65534 --regid=65534 --clear-groups "$probe"
else
    echo "not root: read-only folder case skipped"
fi
