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
tmp="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

poll() {
    local tries=$(($1 * 10))
    shift
    for ((i = 0; i < tries; ++i)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
find_window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1; }
shown() { [ -n "$(find_window "$1")" ]; }
click() {
    local x y
    read -r x y < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    xdotool mousemove $((x + $2)) $((y + $3)) click 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export CUPS_SERVER="$tmp/no-cups.sock"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$tmp/display" 2> /dev/null &
pids+=($!)
poll 10 test -s "$tmp/display"
export DISPLAY=":$(head -n1 "$tmp/display")"
openbox --sm-disable > /dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir "$tmp/book"
(cd "$tmp/book" && "$build/report_book_tool" sample)
(cd "$tmp/book" && exec "$build/tavu" > /dev/null 2>&1) &
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
