#!/usr/bin/env bash
# Whole-process times of the year's totals from the command line over ten
# years of months (120 archives, each a full book with its payments; the
# command lists them all and reads the twelve of 2026): tavu --pdf periods
# and tavu --csv periods, with hyperfine when installed (apt-get install
# hyperfine), else a plain loop. Prints the medians against the target of
# 400 ms.
#
#   bench/periods_command.sh [build folder]     (default: build)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
tavu="$build/tavu"
runs="${RUNS:-20}"
[[ -x "$tavu" && -x "$build/periods_folder_tool" ]] || { echo "build TAVU first: ./test.sh"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/periods_folder_tool" 120

names=("tavu --pdf periods" "tavu --csv periods")
commands=("$tavu --pdf periods --from 2026-01 --to 2026-12 --out year.pdf ."
          "$tavu --csv periods --from 2026-01 --to 2026-12 --out year.csv .")

declare -A median
if command -v hyperfine >/dev/null; then
    args=()
    for i in "${!names[@]}"; do args+=(--command-name "${names[$i]}" "${commands[$i]}"); done
    hyperfine --warmup 3 --runs "$runs" --export-json results.json "${args[@]}"
    while IFS=$'\t' read -r name ms; do median[$name]=$ms; done < <(python3 -c '
import json
for r in json.load(open("results.json"))["results"]:
    print("%s\t%.1f" % (r["command"], r["median"] * 1000))')
else
    echo "note: hyperfine is not installed; timing with a plain loop"
    for i in "${!names[@]}"; do
        ${commands[$i]} >/dev/null 2>&1 || true # warm-up
        times=()
        for ((r = 0; r < runs; r++)); do
            start=$(date +%s%N)
            ${commands[$i]} >/dev/null
            times+=($(( ($(date +%s%N) - start) / 1000 )))
        done
        median[${names[$i]}]=$(printf '%s\n' "${times[@]}" | sort -n |
            awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)] / 1000}')
    done
fi

echo
echo "medians:"
status=0
for name in "${names[@]}"; do
    ms=${median[$name]}
    verdict=met
    awk -v ms="$ms" 'BEGIN {exit !(ms < 400)}' || { verdict=MISSED; status=1; }
    printf '  %-22s %8s ms  (target < 400 ms: %s)\n' "$name" "$ms" "$verdict"
done
exit $status
