# The loop the kill tests share, sourced by them. In a fresh folder, again
# and again: the probe's saving loop is started, killed with SIGKILL at a
# random moment, and the probe starts up as the program does. Each start
# must find a book (printed as its generation, never older than the last
# one found) and leave nothing in the folder but the files named.
#   kill_loop <probe> <loop mode> <check mode> <kills> <least tenths> <file>...
# The caller may define after_check, run in the folder after each start with
# the generation in $n. Sets $last (the last generation) and $rolled (how
# many kills left a payments temporary for start-up to put in place).
kill_loop() {
    local probe="$1" loop="$2" check="$3" kills="$4" least="$5"
    shift 5
    local keep=() file
    for file in "$@"; do keep+=(-e "$file"); done
    dir="$(mktemp -d)"
    trap 'rm -rf "$dir" "$dir.err" "$dir.bak"' EXIT
    cd "$dir"
    last=0
    rolled=0
    local round pid left
    for round in $(seq 1 "$kills"); do
        "$probe" "$loop" 2>/dev/null &
        pid=$!
        # Start-up takes the first part; the kill falls anywhere after it.
        sleep "0.$(( (RANDOM % 6) + least ))$(( RANDOM % 10 ))"
        kill -9 "$pid" 2>/dev/null || { echo "round $round: the loop had stopped"; exit 1; }
        wait "$pid" 2>/dev/null || true
        if ls -A | grep -q '^\.allitem\.pay\.'; then rolled=$((rolled + 1)); fi
        if ! n="$("$probe" "$check" 2>"$dir.err")"; then
            echo "round $round:"; grep -v XDG_RUNTIME "$dir.err"; ls -laR; exit 1
        fi
        (( n >= last )) || { echo "round $round: generation $n is older than $last"; exit 1; }
        last=$n
        left="$(ls -A | grep -v -x "${keep[@]}" || true)"
        [ -z "$left" ] || { echo "round $round: left in the folder:"; echo "$left"; exit 1; }
        if declare -F after_check >/dev/null; then after_check || exit 1; fi
    done
}
