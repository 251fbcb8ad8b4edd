#!/usr/bin/env bash
# A program killed with SIGKILL while it saves, again and again, never leaves
# a data file that does not read back whole, and the book never goes back to
# an older generation. The safety copy "allitem.bak", once there, reads back
# whole too and holds the save before the last (or the last itself, when the
# kill fell between the two renames).
set -euo pipefail
source "$(dirname "$0")/support/kill_loop.sh"
probe="$(cd "$1" && pwd)/save_probe"
bak_seen=0
after_check() {
    [ -f allitem.bak ] || return 0
    mkdir "$dir.bak" && cp allitem.bak "$dir.bak/allitem.hrm"
    local b
    b="$(cd "$dir.bak" && "$probe" check 2>/dev/null)" ||
        { echo "allitem.bak did not read back"; return 1; }
    rm -rf "$dir.bak"
    (( b == n || b == n - 1 )) || { echo "allitem.bak holds generation $b beside $n"; return 1; }
    bak_seen=1
}
kill_loop "$probe" loop check 30 2 allitem.hrm allitem.bak
(( last > 0 )) || { echo "no save ever finished"; exit 1; }
(( bak_seen )) || { echo "no safety copy was ever kept"; exit 1; }
echo "last generation read back: $last"
