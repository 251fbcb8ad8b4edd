#!/usr/bin/env bash
# 新しい期間 killed at random moments, again and again: after the next
# start-up the book reads back whole (the period still open, or closed), and
# kako/ holds only whole archives, one per closed period: no unfinished
# archive folder, no empty one, and a closing cut short before the new book
# was saved takes its archive again instead of making a second one.
set -euo pipefail
source "$(dirname "$0")/support/kill_loop.sh"
kill_loop "$(cd "$1" && pwd)/save_probe" periods check-periods 30 2 allitem.hrm allitem.bak kako
(( last >= 2 )) || { echo "no period was ever closed"; exit 1; }
echo "periods closed: $(ls kako | wc -l), last generation: $last"
