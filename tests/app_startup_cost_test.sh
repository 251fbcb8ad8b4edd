#!/usr/bin/env bash
# A start that prints nothing loads no printing library, and TAVU's peak
# memory to its main window stays within 1.15 times a bare Qt program's with
# a window like it (bench/startup_cost.sh, three starts each under Xvfb).
# Skipped (77) without Xvfb or xdotool.
set -euo pipefail
build="$(cd "$1" && pwd)"
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "skipped: no Xvfb or xdotool"; exit 77; }
[[ -x "$build/bare_window" ]] || { echo "skipped: bare_window not built"; exit 77; }
unset DISPLAY
exec bash "$(dirname "$0")/../bench/startup_cost.sh" "$build" 3
