#!/usr/bin/env bash
# 新しい期間 with payments and the carry-over, killed at random moments,
# again and again: each start finds either the open period's book with its
# own payments, or the new period carrying exactly what the closed one still
# had to collect, with no payments of the closed period; every archive holds
# its period's book with its payments. Nothing lost, nothing counted twice.
# TAVU_KILLS sets the number of kills (30 here; the benchmark runs 300).
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
kills="${TAVU_KILLS:-30}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.err"' EXIT
cd "$dir"

last=0
for round in $(seq 1 "$kills"); do
    "$probe" pair-periods 2>/dev/null &
    pid=$!
    sleep "0.$(( (RANDOM % 6) + 3 ))$(( RANDOM % 10 ))"
    kill -9 "$pid" 2>/dev/null || { echo "round $round: the closing loop had stopped"; exit 1; }
    wait "$pid" 2>/dev/null || true
    if ! n="$("$probe" pair-check-periods 2>"$dir.err")"; then
        echo "round $round:"; grep -v XDG_RUNTIME "$dir.err"; ls -laR; exit 1
    fi
    if (( n < last )); then echo "round $round: generation $n is older than $last"; exit 1; fi
    last=$n
    left="$(ls -A | grep -v -x -e allitem.hrm -e allitem.bak -e allitem.pay -e allitem.pay.bak \
        -e kako || true)"
    if [ -n "$left" ]; then echo "round $round: left in the folder:"; echo "$left"; exit 1; fi
done
if (( last < 2 )); then echo "no period was ever closed"; exit 1; fi
echo "kills: $kills, periods closed: $(ls kako | wc -l), last generation: $last"
