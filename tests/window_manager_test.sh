#!/usr/bin/env bash
# TAVU on a desktop with a real window manager (openbox on Xvfb), driven only
# by X input through xdotool, on a full book (96 names, 20 items):
#   印刷 → セレクト印刷, OK, OK: the dialog stays on screen; two members chosen
#   with the keyboard and 印刷 (no printer) give a PDF of just their statements.
#   編集 → 項目の並び替え: one title placed, a message box of the dialog
#   answered, another application focused and the dialog focused again: the
#   arrangement is still there, so placing the other 19 titles and 確定 puts
#   the placed title first (checked in the book saved with Ctrl+S).
# A failure leaves a picture of the screen in the build folder
# (window_manager_test.png).
# Windows are found by title and placed through xwininfo (openbox reparents
# them). Without Xvfb or openbox the test is skipped (77).
set -euo pipefail
build="$(cd "$1" && pwd)"

skip() { echo "SKIP: $*"; exit 77; }
for tool in Xvfb openbox xdotool xwininfo xprop xmessage pdftotext; do
    command -v "$tool" > /dev/null || skip "$tool is not installed"
done

top="$(mktemp -d)"
source "$(dirname "$0")/support/x_session.sh"

# Also from inside $(...): the message goes to stderr.
fail() {
    {
        echo "FAIL: $*"
        echo "windows on screen:$(visible_titles)"
        import -window root "$build/window_manager_test.png" 2> /dev/null &&
            echo "screen: $build/window_manager_test.png"
    } >&2
    exit 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export CUPS_SERVER="$top/no-cups.sock" # no printer: reports become PDFs

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$top/display" 2> "$top/xvfb.log" &
pids+=($!)
poll 10 test -s "$top/display" || { cat "$top/xvfb.log"; skip "Xvfb does not start"; }
export DISPLAY=":$(head -n1 "$top/display")"
openbox --sm-disable > "$top/openbox.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
poll 10 wm_running || { cat "$top/openbox.log"; skip "openbox does not start"; }

mkdir "$top/book"
(cd "$top/book" && "$build/report_book_tool" full) || fail "no book"

visible_titles() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2> /dev/null); do
        printf ' [%s]' "$(xdotool getwindowname "$id")"
    done
}
wait_window() {
    poll 10 shown "$1" || fail "no window \"$1\""
    find_window "$1"
}
is_viewable() { xwininfo -id "$1" 2> /dev/null | grep -q 'Map State: IsViewable'; }
has_focus() { [ "$(xdotool getwindowfocus 2> /dev/null)" == "$1" ]; }
wait_focus() { poll 10 has_focus "$1" || fail "$2 does not get the focus"; }
# twips X Y: pixels at 96 dpi.
px() { echo $(($1 / 15)); }
# Answers the message box (title TAVU) that has the focus with Enter.
answer_box() {
    local box
    box="$(wait_window '^TAVU$')"
    wait_focus "$box" "the message box ($1)"
    xdotool key Return
    poll 10 bash -c "! xwininfo -id $box 2> /dev/null | grep -q IsViewable" || fail "the box ($1) stays"
}
menu_open() {
    local id
    for id in $(xdotool search --onlyvisible --class tavu 2> /dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q POPUP_MENU && return 0
    done
    return 1
}
# menu RIGHT DOWN: opens ファイル with a click, moves RIGHT menus further
# (that menu opens with its first entry active), DOWN entries down, Enter.
menu() {
    click "$main" 15 10
    poll 5 menu_open || fail "no menu opens"
    for ((r = 0; r < $1; ++r)); do xdotool key Right; done
    for ((d = 0; d < $2; ++d)); do xdotool key Down; done
    xdotool key Return
}

# Started in the book's folder; a click on the splash picture goes on at once.
(cd "$top/book" && exec "$build/tavu" > "$top/tavu.log" 2>&1) &
pids+=($!)
splash="$(wait_window '^TAVU$')"
is_viewable "$splash" && click "$splash" 100 60
main="$(wait_window '^集金管理システム')"
wait_focus "$main" "the main window"

# 印刷 → セレクト印刷: the period and the organizer confirmed with OK.
menu 1 2 # 印刷 (next to ファイル), its third entry
answer_box "period"
answer_box "organizer"
dialog="$(wait_window '^セレクト印刷$')"
sleep 2
is_viewable "$dialog" || fail "the selection dialog has gone"
wait_focus "$dialog" "the selection dialog"
# Members 1 and 3: End, Home (each selects as it moves), Enter; two down,
# Enter.
xdotool key End Home Return Down Down Return
# 印刷 (left 2640, top 2640, 615 x 495 inside the frame at 120, 120).
click "$dialog" "$(px $((120 + 2640 + 307)))" "$(px $((120 + 2640 + 247)))"
answer_box "PDF written"
pdfs=("$top"/book/statements-*.pdf)
[ -f "${pdfs[0]}" ] || fail "no statements PDF"
is_viewable "$dialog" && fail "the dialog stays after printing"
pdftotext -layout "${pdfs[0]}" "$top/statements.txt"
names="$(grep -oE '[^ ]+ [0-9]+ +様' "$top/statements.txt" | sed -E 's/ +様$//' |
    sort | uniq -c | awk '{ print $1, $2, $3 }')"
[ "$names" == $'2 佐藤 1\n2 高橋 3' ] ||
    fail "statements printed (halves per name): $names"$'\n'"$(cat "$top/statements.txt")"

# 編集 → 項目の並び替え: 予備 (the last title) placed first.
wait_focus "$main" "the main window after printing"
menu 2 1 # 編集, its next enabled entry (名前の編集 is the first)
sort_dialog="$(wait_window '^引き去り項目 の 並べ替え$')"
wait_focus "$sort_dialog" "the item order dialog"
xdotool key End Return
# 確定 (left 3480, top 2040, 735 x 495) with titles left: its message.
confirm_x="$(px $((120 + 3480 + 367)))"
confirm_y="$(px $((120 + 2040 + 247)))"
click "$sort_dialog" "$confirm_x" "$confirm_y"
answer_box "titles left"
wait_focus "$sort_dialog" "the item order dialog after its message"
# Another application, then back.
xmessage -name other -title other "another application" 2> /dev/null &
pids+=($!)
other="$(wait_window '^other$')"
xdotool windowactivate "$other"
wait_focus "$other" "the other application"
xdotool windowactivate "$sort_dialog"
wait_focus "$sort_dialog" "the item order dialog after the other application"
# The other 19 titles, each the first of the left list (at 240, 600): a
# click on it and Enter; the clicks alternate between two places so that no
# two of them make a double click.
for ((i = 0; i < 19; ++i)); do
    click "$sort_dialog" $((i % 2 ? 40 : 100)) "$(px $((120 + 600 + 135)))"
    xdotool key Return
done
click "$sort_dialog" "$confirm_x" "$confirm_y"
poll 5 bash -c "! xwininfo -id $sort_dialog 2> /dev/null | grep -q IsViewable" ||
    fail "確定 is refused: the arrangement was started over"
# The window manager hands the focus to the window focused before the
# dialog (the other application); the user goes back to TAVU.
xdotool windowactivate "$main"
wait_focus "$main" "the main window after 確定"
xdotool key ctrl+s
answer_box "saved"
[ -f "$top/book/allitem.bak" ] || fail "Ctrl+S does not save"
"$build/tavu" --csv --out "$top/book.csv" "$top/book" > /dev/null
header="$(sed -n 2p "$top/book.csv")"
[[ "$header" == 番号,名前,予備,* ]] || fail "items after 確定: $header"
echo "window manager checks passed"
