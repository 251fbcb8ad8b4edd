#!/usr/bin/env bash
# The user's settings file (~/.config/tavu/tavu.conf) as something other than
# a small file: printing reminder slips, which reads the slips' line from it,
# neither hangs nor reads without end, says why once, and leaves what bears
# the name as it was. A small file is read as before.
set -euo pipefail
tavu="$(cd "$1" && pwd)/tavu"
book_tool="$(cd "$1" && pwd)/report_book_tool"
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT
cd "$top"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$top/config"
fail() { echo "FAIL: $*"; exit 1; }
mkdir book && (cd book && "$book_tool" sample >/dev/null)

# name | what is made as tavu.conf | is it refused
rows=(
    "fifo|mkfifo tavu.conf|yes"
    "device link|ln -s /dev/zero tavu.conf|yes"
    "folder|mkdir tavu.conf|yes"
    "oversize|head -c 5242880 /dev/zero >tavu.conf|yes"
    "small file|printf '[reminders]\nnote=月末までに\n' >tavu.conf|"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name make refused <<<"$row"
    rm -rf config && mkdir -p config/tavu && (cd config/tavu && eval "$make")
    before="$(ls -l config/tavu; [[ -f config/tavu/tavu.conf && ! -L config/tavu/tavu.conf ]] &&
        sha256sum config/tavu/tavu.conf || true)"
    rm -f book/*.pdf
    rc=0
    (cd book && timeout 20 "$tavu" --pdf reminders >/dev/null 2>../said.txt) || rc=$?
    (( rc != 124 )) || fail "$name: printing hangs"
    (( rc == 0 )) || { cat said.txt; fail "$name: printing ended with $rc"; }
    ls book/*.pdf >/dev/null 2>&1 || fail "$name: no slips written"
    if [[ -n "$refused" ]]; then
        grep -q "tavu.conf: ふつうの 小さい ファイルや あらへん" said.txt || fail "$name: nothing said"
        [[ "$(ls -l config/tavu; [[ -f config/tavu/tavu.conf && ! -L config/tavu/tavu.conf ]] &&
            sha256sum config/tavu/tavu.conf || true)" == "$before" ]] || fail "$name: it was changed"
    elif grep -q "tavu.conf" said.txt; then
        fail "$name: a small file was refused"
    fi
done
echo "settings files: ${#rows[@]} rows"
