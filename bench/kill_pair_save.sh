#!/usr/bin/env bash
# The kill tests at full length: 1,000 kills during saves that change the
# book and its payments, 300 during 新しい期間 with the carry-over.
#   bench/kill_pair_save.sh build
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
export QT_QPA_PLATFORM=offscreen
time TAVU_KILLS=1000 bash "$here/tests/app_kill_pair_save_test.sh" "$build"
time TAVU_KILLS=300 bash "$here/tests/app_kill_pair_new_period_test.sh" "$build"
