#!/usr/bin/env bash
# A program killed with SIGKILL while it saves, again and again, never leaves
# a data file that does not read back whole; and the book never goes back
# to a generation older than the one the killed run started from. The
# safety copy "allitem.bak", once there, reads back whole too and holds the
# save before the last (or the last itself, when the kill fell between the
# two renames). The next start-up leaves only those two files.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.bak"' EXIT
cd "$dir"

last=0
bak_seen=0
for round in $(seq 1 30); do
    "$probe" loop 2>/dev/null &
    pid=$!
    # Let start-up finish in the first rounds, then kill at random moments.
    sleep "0.$(( (RANDOM % 6) + 2 ))$(( RANDOM % 10 ))"
    kill -9 "$pid" 2>/dev/null || { echo "round $round: the saving loop had stopped"; exit 1; }
    wait "$pid" 2>/dev/null || true
    if ! n="$("$probe" check 2>/dev/null)"; then
        echo "round $round: the data file did not read back"; ls -la; exit 1
    fi
    if (( n < last )); then
        echo "round $round: generation $n is older than $last"; exit 1
    fi
    last=$n
    left="$(ls -A | grep -v -x -e allitem.hrm -e allitem.bak || true)"
    if [ -n "$left" ]; then
        echo "round $round: left in the folder after start-up:"; echo "$left"; exit 1
    fi
    if [ -f allitem.bak ]; then
        mkdir "$dir.bak" && cp allitem.bak "$dir.bak/allitem.hrm"
        if ! b="$(cd "$dir.bak" && "$probe" check 2>/dev/null)"; then
            echo "round $round: allitem.bak did not read back"; exit 1
        fi
        rm -rf "$dir.bak"
        if (( b != n && b != n - 1 )); then
            echo "round $round: allitem.bak holds generation $b beside $n"; exit 1
        fi
        bak_seen=1
    fi
done
if (( last == 0 )); then echo "no save ever finished"; exit 1; fi
if (( bak_seen == 0 )); then echo "no safety copy was ever kept"; exit 1; fi
echo "last generation read back: $last"
