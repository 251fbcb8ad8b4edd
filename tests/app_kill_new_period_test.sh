#!/usr/bin/env bash
# 新しい期間 killed at random moments, again and again: after the next
# start-up the book reads back whole (the period still open, or closed), and
# kako/ holds only whole archives, one per closed period: no unfinished
# archive folder, no empty one, and a closing cut short before the new book
# was saved takes its archive again instead of making a second one.
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.err"' EXIT
cd "$dir"

last=0
for round in $(seq 1 30); do
    "$probe" periods 2>/dev/null &
    pid=$!
    sleep "0.$(( (RANDOM % 6) + 2 ))$(( RANDOM % 10 ))"
    kill -9 "$pid" 2>/dev/null || { echo "round $round: the closing loop had stopped"; exit 1; }
    wait "$pid" 2>/dev/null || true
    if ! n="$("$probe" check-periods 2>"$dir.err")"; then
        echo "round $round, after start-up:"; grep -v XDG_RUNTIME "$dir.err"; ls -laR; exit 1
    fi
    if (( n < last )); then echo "round $round: generation $n is older than $last"; exit 1; fi
    last=$n
    left="$(ls -A | grep -v -x -e allitem.hrm -e allitem.bak -e kako || true)"
    if [ -n "$left" ]; then echo "round $round: left in the folder:"; echo "$left"; exit 1; fi
done
if (( last < 2 )); then echo "no period was ever closed"; exit 1; fi
echo "periods closed: $(ls kako | wc -l), last generation: $last"
