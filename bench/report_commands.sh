#!/usr/bin/env bash
# Whole-process times of the report commands on a full book (96 names, 20
# items, charges on every page), with hyperfine: tavu --pdf summary,
# tavu --pdf statements and tavu --csv, and in the same run a spreadsheet's
# conversion of the CSV that tavu --csv wrote into a PDF (LibreOffice's
# soffice, when installed). Prints the medians and how many times faster the
# summary PDF is than the spreadsheet.
#
#   bench/report_commands.sh [build folder]     (default: build)
#
# Needs hyperfine (Debian package hyperfine); installs nothing. Without
# soffice (Debian package libreoffice-calc-nogui) its line is skipped.
# Targets: summary PDF under 100 ms and at least 15 times faster than the
# spreadsheet; statements PDF under 150 ms; CSV under 50 ms.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
tavu="$build/tavu"
runs="${RUNS:-20}"

command -v hyperfine >/dev/null || { echo "hyperfine is missing (apt-get install hyperfine)"; exit 1; }
[[ -x "$tavu" && -x "$build/report_book_tool" ]] || { echo "build TAVU first: ./test.sh"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir book sheet
(cd book && "$build/report_book_tool" full)
"$tavu" --csv --out table.csv book >/dev/null

names=() commands=()
add() { names+=("$1"); commands+=("$2"); }
add "tavu --pdf summary" "$tavu --pdf summary --out summary.pdf book"
if "$tavu" --pdf statements --out statements.pdf book >/dev/null 2>&1; then
    add "tavu --pdf statements" "$tavu --pdf statements --out statements.pdf book"
else
    echo "note: this build cannot make the statements PDF; its line is skipped"
fi
add "tavu --csv" "$tavu --csv --out book.csv book"
if command -v soffice >/dev/null; then
    # A profile of its own, made in the warm-up runs.
    add "soffice --convert-to pdf" "soffice -env:UserInstallation=file://$work/profile --headless --infilter=CSV:44,34,76 --convert-to pdf --outdir sheet table.csv"
else
    echo "note: soffice is not installed (libreoffice-calc-nogui); the spreadsheet line is skipped"
fi

args=()
for i in "${!names[@]}"; do args+=(--command-name "${names[$i]}" "${commands[$i]}"); done
hyperfine --warmup 3 --runs "$runs" --export-json results.json "${args[@]}"

# Medians in milliseconds, the ratio and the targets.
python3 - results.json <<'PY'
import json, sys
results = {r["command"]: r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"]}
targets = {"tavu --pdf summary": 100, "tavu --pdf statements": 150, "tavu --csv": 50}
print("\nmedians:")
for name, ms in results.items():
    target = targets.get(name)
    verdict = "" if target is None else f"  (target < {target} ms: {'met' if ms < target else 'MISSED'})"
    print(f"  {name:28s} {ms:8.1f} ms{verdict}")
sheet = results.get("soffice --convert-to pdf")
if sheet:
    ratio = sheet / results["tavu --pdf summary"]
    print(f"  the summary PDF is {ratio:.1f} times faster than the spreadsheet "
          f"(target at least 15: {'met' if ratio >= 15 else 'MISSED'})")
PY
