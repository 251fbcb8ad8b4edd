#!/usr/bin/env bash
# Takes the picture of 集金チェック that the help page and the README show
# (docs/payments_window.png): the real program on a small office's book with
# payments, under Xvfb with openbox, the window opened from 編集 through X
# input. Run by hand after the window changes:
#   scripts/make_help_picture.sh [build]
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(cd "${1:-build}" && pwd)"
out="$PWD/docs/payments_window.png"
top="$(mktemp -d)"
source tests/support/x_session.sh

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export CUPS_SERVER="$top/no-cups.sock"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$top/display" 2> /dev/null &
pids+=($!)
poll 10 test -s "$top/display"
export DISPLAY=":$(head -n1 "$top/display")"
openbox --sm-disable > /dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir "$top/book"
(cd "$top/book" && "$build/report_book_tool" sample)
(cd "$top/book" && exec "$build/tavu" > /dev/null 2>&1) &
pids+=($!)
poll 10 shown '^TAVU$'
click "$(find_window '^TAVU$')" 100 60
poll 10 shown '^集金管理システム'
main="$(find_window '^集金管理システム')"
sleep 1
# 編集 (two menus right of ファイル), then 集金チェック: two entries down from
# the first, 名簿の読み込みを取り消す being greyed out.
click "$main" 15 10
sleep 0.5
xdotool key Right Right Down Down Return
poll 10 shown '^集金チェック$'
win="$(find_window '^集金チェック$')"
xdotool windowsize "$win" 800 430
sleep 1
import -frame -window "$win" "$out"
echo "$out"
