#!/usr/bin/env bash
# 新しい期間 with payments and the carry-over, killed at random moments,
# again and again: each start finds either the open period's book with its
# own payments, or the new period carrying exactly what the closed one still
# had to collect, with no payments of the closed period; every archive holds
# its period's book with its payments. Nothing lost, nothing counted twice.
# TAVU_KILLS sets the number of kills (30 here; the benchmark runs 300).
set -euo pipefail
source "$(dirname "$0")/support/kill_loop.sh"
kills="${TAVU_KILLS:-30}"
kill_loop "$(cd "$1" && pwd)/save_probe" pair-periods pair-check-periods "$kills" 3 \
    allitem.hrm allitem.bak allitem.pay allitem.pay.bak kako
(( last >= 2 )) || { echo "no period was ever closed"; exit 1; }
echo "kills: $kills, periods closed: $(ls kako | wc -l), last generation: $last"
