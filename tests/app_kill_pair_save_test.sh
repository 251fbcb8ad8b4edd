#!/usr/bin/env bash
# Killed with SIGKILL while it saves a book and its payments, both changed by
# every save, again and again: each start finds the pair of one save (the
# book and the payments saved with it, never older payments beside a newer
# book, never a message), never a generation older than the last one found,
# and after start-up nothing but the two files and their safety copies.
# TAVU_KILLS sets the number of kills (100 here; bench/kill_pair_save.sh
# runs 1,000).
set -euo pipefail
source "$(dirname "$0")/support/kill_loop.sh"
kills="${TAVU_KILLS:-100}"
kill_loop "$(cd "$1" && pwd)/save_probe" pair-loop pair-check "$kills" 3 \
    allitem.hrm allitem.bak allitem.pay allitem.pay.bak
(( last > 0 )) || { echo "no save ever finished"; exit 1; }
echo "kills: $kills, last generation: $last, temporary payments found after a kill: $rolled"
