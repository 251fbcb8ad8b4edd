#!/usr/bin/env bash
# Killed with SIGKILL while it saves a book and its payments, both changed by
# every save, again and again: each start finds the pair of one save (the
# book and the payments saved with it, never older payments beside a newer
# book, never a message), never a generation older than the last one found,
# and after start-up nothing but the two files and their safety copies.
# TAVU_KILLS sets the number of kills (100 here; bench/kill_pair_save.sh
# runs 1,000).
set -euo pipefail
probe="$(cd "$1" && pwd)/save_probe"
kills="${TAVU_KILLS:-100}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir" "$dir.err"' EXIT
cd "$dir"

last=0
rolled=0
for round in $(seq 1 "$kills"); do
    "$probe" pair-loop 2>/dev/null &
    pid=$!
    # Start-up takes the first part; the kill falls anywhere in the saves.
    sleep "0.$(( (RANDOM % 5) + 3 ))$(( RANDOM % 10 ))"
    kill -9 "$pid" 2>/dev/null || { echo "round $round: the saving loop had stopped"; exit 1; }
    wait "$pid" 2>/dev/null || true
    if ls -A | grep -q '^\.allitem\.pay\.'; then rolled=$((rolled + 1)); fi
    if ! n="$("$probe" pair-check 2>"$dir.err")"; then
        echo "round $round:"; grep -v XDG_RUNTIME "$dir.err"; ls -la; exit 1
    fi
    if (( n < last )); then echo "round $round: generation $n is older than $last"; exit 1; fi
    last=$n
    left="$(ls -A | grep -v -x -e allitem.hrm -e allitem.bak -e allitem.pay -e allitem.pay.bak ||
        true)"
    if [ -n "$left" ]; then echo "round $round: left in the folder:"; echo "$left"; exit 1; fi
done
if (( last == 0 )); then echo "no save ever finished"; exit 1; fi
echo "kills: $kills, last generation: $last, temporary payments found after a kill: $rolled"
