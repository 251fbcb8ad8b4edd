#!/usr/bin/env bash
# What a start costs: TAVU on a full book against a bare Qt program with a
# window like TAVU's main window (bare_window), side by side in one run. For
# each, the peak memory (VmHWM) once its main window is on screen and the
# time from start to that window (TAVU's splash is clicked away as soon as it
# shows), the median of RUNS starts. Also checks that TAVU loaded no printing
# library (libcups, Qt Print Support) to start.
#   bench/startup_cost.sh [build] [runs]
# Runs itself under Xvfb when there is no display. Exits 1 when a printing
# library was loaded or TAVU's peak memory exceeds 1.15 times the bare
# program's; the time ratio (target 1.4) is reported.
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
runs="${2:-5}"
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' bash "$0" "$build" "$runs"
fi
command -v xdotool >/dev/null || { echo "xdotool is missing"; exit 77; }
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/book" "$work/home"
(cd "$work/book" && "$build/report_book_tool" full)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Waits up to 20 s for a visible window of process $1 named $2; prints its
# id. Gives up at once when the process has ended.
wait_window() {
    local id end=$((SECONDS + 20))
    while ((SECONDS < end)) && kill -0 "$1" 2>/dev/null; do
        id="$(xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1 || true)"
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.005
    done
    echo "$kind showed no window named $2" >&2
    exit 1
}
# One start: "<ms to the main window> <peak KiB> <printing libraries loaded>".
start_once() {
    kind="$1"
    local pid t0 t1 splash hwm libs
    t0="$(now_ms)"
    if [[ "$kind" == tavu ]]; then
        "$build/tavu" --folder "$work/book" >/dev/null 2>&1 &
        pid=$!
        splash="$(wait_window "$pid" '^TAVU$')" || exit 1
        eval "$(xdotool getwindowgeometry --shell "$splash")"
        # --delay 0: xdotool otherwise sleeps 100 ms after a click, which
        # would count as TAVU's start-up.
        xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --delay 0 1
        wait_window "$pid" '集金管理' >/dev/null || exit 1
    else
        "$build/bare_window" >/dev/null 2>&1 &
        pid=$!
        wait_window "$pid" '素のウィンドウ' >/dev/null || exit 1
    fi
    t1="$(now_ms)"
    sleep 0.5 # drawn and settled
    hwm="$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")"
    libs="$(grep -cE 'libcups|libQt6PrintSupport' "/proc/$pid/maps" || true)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((t1 - t0)) $hwm $libs"
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

: >"$work/tavu" >"$work/bare"
for _ in $(seq "$runs"); do # interleaved, so both see the same machine
    start_once bare >>"$work/bare" || exit 1
    start_once tavu >>"$work/tavu" || exit 1
done
bare_ms="$(cut -d' ' -f1 "$work/bare" | median)"
bare_kib="$(cut -d' ' -f2 "$work/bare" | median)"
tavu_ms="$(cut -d' ' -f1 "$work/tavu" | median)"
tavu_kib="$(cut -d' ' -f2 "$work/tavu" | median)"
printing="$(cut -d' ' -f3 "$work/tavu" | sort -n | tail -1)"
mem_ratio="$(awk -v a="$tavu_kib" -v b="$bare_kib" 'BEGIN {printf "%.3f", a / b}')"
time_ratio="$(awk -v a="$tavu_ms" -v b="$bare_ms" 'BEGIN {printf "%.2f", a / b}')"
printf '%-12s %10s %12s\n' "" "peak MiB" "ms to window"
printf '%-12s %10.1f %12d\n' "bare Qt" "$(awk -v k="$bare_kib" 'BEGIN {print k / 1024}')" "$bare_ms"
printf '%-12s %10.1f %12d\n' "TAVU" "$(awk -v k="$tavu_kib" 'BEGIN {print k / 1024}')" "$tavu_ms"
echo "memory ratio $mem_ratio (target 1.15), time ratio $time_ratio (target 1.4), median of $runs"
status=0
if ((printing > 0)); then echo "TAVU loaded a printing library to start"; status=1; fi
awk -v r="$mem_ratio" 'BEGIN {exit !(r > 1.15)}' && { echo "peak memory over 1.15 times the bare program's"; status=1; }
exit "$status"
