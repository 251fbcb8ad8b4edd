#!/usr/bin/env bash
# Includes run one way: book < ui < sheet < the features (items, roster,
# print, payments, periods) < app < main.cpp. Each feature may use another,
# but never in a circle. Every #include "..." line of src/ that runs back up
# fails the test, named by file and line, so a reader can tell from a folder
# what may depend on it.
#
# The check is first run on small planted trees (one per rule) so that it is
# known to catch what it should, then on the real sources.
set -uo pipefail
src_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)"

# check_layers <src folder>: prints one line per include that runs back up,
# "file:line: ...", and returns 1 when there is any.
check_layers() {
    local root="$1"
    (cd "$root" && grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' . |
        sed 's|^\./||') |
        awk '
        BEGIN {
            rank["book"] = 0; rank["ui"] = 1; rank["sheet"] = 2
            rank["items"] = 3; rank["roster"] = 3; rank["print"] = 3
            rank["payments"] = 3; rank["periods"] = 3
            rank["app"] = 4; rank["main.cpp"] = 5
            bad = 0
        }
        {
            # file:line:text
            file = $0; sub(/:.*/, "", file)
            rest = substr($0, length(file) + 2)
            line = rest; sub(/:.*/, "", line)
            target = rest; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
            from = file; if (index(from, "/")) sub(/\/.*/, "", from)
            if (!index(target, "/")) next          # a file beside it
            to = target; sub(/\/.*/, "", to)
            if (!(from in rank)) { printf "%s:%s: folder %s has no place in the layers\n", file, line, from; bad = 1; next }
            if (!(to in rank)) { printf "%s:%s: includes %s, outside the layers\n", file, line, target; bad = 1; next }
            if (rank[to] > rank[from]) {
                printf "%s:%s: %s includes %s, which lies above it\n", file, line, from, target
                bad = 1
            } else if (rank[to] == rank[from] && to != from) {
                key = from SUBSEP to
                if (!(key in edge)) { edge[key] = file ":" line ": " from " includes " target; n++ }
                uses[from, to] = 1; feature[from] = 1; feature[to] = 1
            }
        }
        END {
            # A feature reaches another through a chain of includes; an
            # include closes a circle when its target reaches back.
            for (a in feature) for (b in feature) reach[a, b] = ((a, b) in uses)
            for (k in feature) for (a in feature) for (b in feature)
                if (reach[a, k] && reach[k, b]) reach[a, b] = 1
            for (key in edge) {
                split(key, p, SUBSEP)
                if (reach[p[2], p[1]]) { printf "%s, which includes %s back (a circle)\n", edge[key], p[1]; bad = 1 }
            }
            exit bad
        }' | sort
    return "${PIPESTATUS[1]}"
}

fail() { echo "FAIL: $*"; exit 1; }
top="$(mktemp -d)"
trap 'rm -rf "$top"' EXIT

# Planted trees: name | files "path=include[,include]" ... | expected report (empty: passes)
cases=(
    "down only|book/a.h= ui/b.h=book/a.h sheet/c.cpp=ui/b.h,book/a.h print/d.cpp=sheet/c.h app/e.cpp=print/d.h main.cpp=app/e.h|"
    "sheet uses app|app/g.h= sheet/s.cpp=book/x.h,app/g.h|sheet/s.cpp:2: sheet includes app/g.h, which lies above it"
    "book uses ui|book/b.cpp=ui/m.h|book/b.cpp:1: book includes ui/m.h, which lies above it"
    "feature uses app|periods/p.cpp=app/report.h|periods/p.cpp:1: periods includes app/report.h, which lies above it"
    "two features in a line|roster/r.cpp=payments/m.h items/i.cpp=payments/m.h|"
    "two features in a circle|print/a.cpp=periods/y.h periods/y.cpp=print/a.h|periods/y.cpp:1: periods includes print/a.h, which includes periods back (a circle)
print/a.cpp:1: print includes periods/y.h, which includes print back (a circle)"
    "unknown folder|extra/z.cpp=book/a.h|extra/z.cpp:1: folder extra has no place in the layers"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name files expected <<<"${row%%$'\n'*}"
    [[ "$row" == *$'\n'* ]] && expected="$expected"$'\n'"${row#*$'\n'}"
    tree="$top/${name// /_}"
    mkdir -p "$tree"
    for planted in $files; do
        path="${planted%%=*}"
        mkdir -p "$tree/$(dirname "$path")"
        : >"$tree/$path"
        IFS=',' read -ra incs <<<"${planted#*=}"
        for inc in "${incs[@]}"; do
            [[ -n "$inc" ]] && echo "#include \"$inc\"" >>"$tree/$path"
        done
    done
    got="$(check_layers "$tree")"
    status=$?
    [[ "$got" == "$expected" ]] || fail "$name: reported"$'\n'"$got"$'\n'"instead of"$'\n'"$expected"
    if [[ -z "$expected" ]]; then
        [[ $status == 0 ]] || fail "$name: failed without a report"
    else
        [[ $status != 0 ]] || fail "$name: reported but passed"
    fi
done

if ! report="$(check_layers "$src_dir")"; then
    echo "$report"
    fail "includes in src/ run back up (above)"
fi
echo "every include of src/ runs down"
