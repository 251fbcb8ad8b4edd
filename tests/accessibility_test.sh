#!/usr/bin/env bash
# TAVU as a screen reader and a keyboard meet it: on a 1366×768 screen, or
# the screen and scale given (1280x1024 2: a 640×512 screen to the program),
# under Xvfb and openbox with the accessibility bus, a full book with two closed
# periods, every window opened from the keyboard alone. For the main window
# in both modes and in name editing, and for each dialog:
#   - every control shown has a name, and the names of
#     accessibility_names.tsv are there;
#   - Tab goes round the window and comes back to where it started, out of
#     every table (a Tab that leaves the focus where it was is a trap);
#   - the window lies within the screen;
#   - Esc closes the dialog.
# A failure leaves a picture of the screen in the build folder
# (accessibility_test-WxH.png). Skipped (77) where Xvfb, openbox, the session
# bus or the accessibility bus cannot start.
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"

skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in Xvfb openbox xdotool xwininfo xprop dbus-run-session; do
    command -v "$tool" > /dev/null || skip "$tool is not installed"
done
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher="$candidate"
done
[ -n "$launcher" ] || skip "at-spi-bus-launcher is not installed"
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || skip "python3-pyatspi is not installed"

# The rest runs on a session bus of its own.
if [ -z "${TAVU_ACCESSIBILITY_SESSION:-}" ]; then
    dbus-run-session -- true 2> /dev/null || skip "no session bus starts"
    TAVU_ACCESSIBILITY_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi

top="$(mktemp -d)"
source "$here/support/x_session.sh"
probe() { /usr/bin/python3 "$here/support/atspi_probe.py" "$@"; }
names="$here/accessibility_names.tsv"

fail() {
    {
        echo "FAIL: $*"
        import -window root "$build/accessibility_test-$screen.png" 2> /dev/null &&
            echo "screen: $build/accessibility_test-$screen.png"
    } >&2
    exit 1
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export CUPS_SERVER="$top/no-cups.sock"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
screen="${2:-1366x768}"
readonly width="${screen%x*}" height="${screen#*x}" scale="${3:-1}"
[ "$scale" == 1 ] || export QT_SCALE_FACTOR="$scale"

Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp 3> "$top/display" 2> "$top/xvfb.log" &
pids+=($!)
poll 10 test -s "$top/display" || skip "Xvfb does not start"
export DISPLAY=":$(head -n1 "$top/display")"
openbox --sm-disable > "$top/openbox.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
poll 10 wm_running || skip "openbox does not start"
"$launcher" --launch-immediately > "$top/atspi.log" 2>&1 &
pids+=($!)
poll 30 probe bus 2> /dev/null || skip "the accessibility bus does not start"

mkdir "$top/book"
(cd "$top/book" && "$build/periods_folder_tool" 2) || fail "no book"
printf '名前\n新人 一郎\n新人 二郎\n' > "$top/book/roster.csv"

wait_window() {
    poll 10 shown "$1" || fail "no window \"$1\""
    find_window "$1"
}
gone() { ! xwininfo -id "$1" 2> /dev/null | grep -q IsViewable; }
has_focus() { [ "$(xdotool getwindowfocus 2> /dev/null)" == "$1" ]; }
wait_focus() { poll 10 has_focus "$1" || fail "$2 does not get the focus"; }
answer_box() {
    local box
    box="$(wait_window '^TAVU$')"
    wait_focus "$box" "the message box ($1)"
    xdotool key Return
    poll 10 gone "$box" || fail "the box ($1) stays"
}

# check KEY TITLE ID: names, Tab round the window, within the screen.
check() {
    local key="$1" title="$2" id="$3" controls unnamed expected x y w h
    poll 10 bash -c "/usr/bin/python3 '$here/support/atspi_probe.py' controls '$title' > '$top/controls' 2> /dev/null" ||
        fail "$key: the window \"$title\" is not on the accessibility bus"
    controls="$(cat "$top/controls")"
    # ACCESSIBILITY_DUMP=folder keeps what each window shows, for the table,
    # and a picture of the screen.
    if [ -n "${ACCESSIBILITY_DUMP:-}" ]; then
        cp "$top/controls" "$ACCESSIBILITY_DUMP/$key.tsv"
        import -window root "$ACCESSIBILITY_DUMP/$key-$screen.png"
    fi
    unnamed="$(awk -F'\t' '$2 == ""' <<< "$controls")"
    [ -z "$unnamed" ] || fail "$key: controls without a name:"$'\n'"$unnamed"$'\n'"all:"$'\n'"$controls"
    while IFS=$'\t' read -r window role name; do
        [ "$window" == "$key" ] || continue
        expected="$role"$'\t'"$name"
        grep -qxF "$expected" <<< "$controls" ||
            fail "$key: no $role named \"$name\" among:"$'\n'"$controls"
    done < <(grep -v '^#' "$names")
    probe walk 150 > "$top/walk" || fail "$key: Tab:"$'\n'"$(cat "$top/walk")"
    [ -z "${ACCESSIBILITY_DUMP:-}" ] || cp "$top/walk" "$ACCESSIBILITY_DUMP/$key-tab.txt"
    unnamed="$(awk -F'\t' '$2 == ""' "$top/walk")"
    [ -z "$unnamed" ] || fail "$key: Tab stops without a name:"$'\n'"$unnamed"
    read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width/ { w = $2 } /Height/ { h = $2 }
        END { print x, y, w, h }')
    ((x >= 0 && y >= 0 && x + w <= width && y + h <= height)) ||
        fail "$key: the window (${w}x${h} at $x,$y) is not within ${width}x${height}"
    echo "$key: $(wc -l < "$top/controls") controls named, $(($(wc -l < "$top/walk") - 1)) Tab stops"
    checked+=("$key")
}
checked=()
# frame ID: left top right bottom of the window on screen, its frame included.
frame() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width/ { w = $2 } /Height/ { h = $2 }
        END { print x, y, w, h }')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2> /dev/null |
        grep -oE '[0-9]+, [0-9]+, [0-9]+, [0-9]+' | tr -d ,) || true
    echo $((x - ${l:-0})) $((y - ${t:-0})) $((x + w + ${r:-0})) $((y + h + ${b:-0}))
}
# escape ID KEY: Esc closes the window.
escape() {
    xdotool key Escape
    poll 5 gone "$1" || fail "$2: Esc does not close it"
}

(cd "$top/book" && exec "$build/tavu" > "$top/tavu.log" 2>&1) &
pids+=($!)
splash="$(wait_window '^TAVU$')"
xwininfo -id "$splash" | grep -q IsViewable && click "$splash" 100 60
main="$(wait_window '^集金管理システム')"
wait_focus "$main" "the main window"

check main-kinto "集金管理システム" "$main"
# The first stop is the item's title; Enter there goes to the next item,
# which is one of individual amounts.
xdotool key Return
poll 5 bash -c "/usr/bin/python3 '$here/support/atspi_probe.py' controls 集金管理システム 2> /dev/null | grep -q 'の金額'" ||
    fail "Enter in the title does not show the next item"
check main-bara "集金管理システム" "$main"

# Every dialog opened with the keyboard.
xdotool key ctrl+k
dialog="$(wait_window '^集金チェック$')"
check syukin "集金チェック" "$dialog"
escape "$dialog" syukin

xdotool key alt+e Down Return # from 名前の編集 to 項目の並び替え
dialog="$(wait_window '並べ替え$')"
wait_focus "$dialog" "the item order dialog"
check sort "引き去り項目" "$dialog"
escape "$dialog" sort

xdotool key alt+p Down Down Return # from 帳票の印刷 to セレクト印刷
answer_box "period"
answer_box "organizer"
dialog="$(wait_window '^セレクト印刷$')"
wait_focus "$dialog" "the selection dialog"
check select "セレクト印刷" "$dialog"
escape "$dialog" select

xdotool key alt+f y
dialog="$(wait_window '^過去の期間$')"
check kako "過去の期間" "$dialog"
escape "$dialog" kako

# A closed period opened to look at: it lies on the screen and leaves most
# of the main window in view, or where the two do not fit side by side, its
# title and menu bar (a title bar and a menu bar's 24 px, scaled).
xdotool key alt+f y
dialog="$(wait_window '^過去の期間$')"
wait_focus "$dialog" "過去の期間"
xdotool key Down alt+o
archive="$(wait_window '^過去の期間  ')"
read -r al at ar ab < <(frame "$archive")
read -r ml mt mr mb < <(frame "$main")
((al >= 0 && at >= 0 && ar <= width && ab <= height)) ||
    fail "the archive window ($al,$at - $ar,$ab) is not within the screen"
across=$(((ar < mr ? ar : mr) - (al > ml ? al : ml)))
down=$(((ab < mb ? ab : mb) - (at > mt ? at : mt)))
covered=$((across > 0 && down > 0 ? across * down : 0))
if (((ar - al) + (mr - ml) <= width)); then
    ((covered * 2 < (mr - ml) * (mb - mt))) ||
        fail "the archive window ($al,$at - $ar,$ab) covers most of the main window ($ml,$mt - $mr,$mb)"
else
    ((at - mt >= 20 + 24 * scale)) ||
        fail "the archive window ($al,$at - $ar,$ab) hides the menus of the main window ($ml,$mt - $mr,$mb)"
fi
xdotool windowclose "$archive" 2> /dev/null || xdotool key alt+F4
poll 5 gone "$archive" || fail "the archive window stays"
xdotool windowactivate "$main"
wait_focus "$main" "the main window after the archive"

xdotool key alt+f i
chooser="$(wait_window '名簿')"
wait_focus "$chooser" "the file chooser"
xdotool type --delay 20 "$top/book/roster.csv"
xdotool key Return
dialog="$(wait_window '^名簿の読み込み － ')"
check roster "名簿の読み込み" "$dialog"
escape "$dialog" roster

xdotool key alt+p v 1
dialog="$(wait_window 'プレビュー$')"
check preview "帳票" "$dialog"
escape "$dialog" preview

xdotool key F1
dialog="$(wait_window 'のヘルプ$')"
check help "Ｔａｖｕのヘルプ" "$dialog"
escape "$dialog" help

xdotool key alt+p w # お願いの 一言(&W)…
dialog="$(wait_window '^お支払いのお願い$')"
wait_focus "$dialog" "the reminder note dialog"
check note "お支払いのお願い" "$dialog"
escape "$dialog" note

xdotool key alt+e Return # 名前の編集, the first entry
poll 5 bash -c "/usr/bin/python3 '$here/support/atspi_probe.py' controls 集金管理システム 2> /dev/null | grep -q 'メンバーの番号'" ||
    fail "name editing does not start from the keyboard"
check name-editing "集金管理システム" "$main"
# Every window of the table was looked at.
for key in $(grep -v '^#' "$names" | cut -f1 | sort -u); do
    [[ " ${checked[*]} " == *" $key "* ]] || fail "the table names window $key, which was not checked"
done
echo "accessibility checks passed"
