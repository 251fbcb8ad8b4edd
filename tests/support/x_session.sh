# Sourced by the scripts that drive TAVU under Xvfb and openbox with real X
# input (xdotool). The caller sets $top, a temporary folder removed at exit
# with the background processes it appends to pids.
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$top"
}
trap cleanup EXIT

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds.
poll() {
    local tries=$(($1 * 10))
    shift
    for ((i = 0; i < tries; ++i)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The id of the visible window whose title matches the pattern.
find_window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1; }
shown() { [ -n "$(find_window "$1")" ]; }
# click ID X Y: a click at (X, Y) inside the window, from its origin on screen.
click() {
    local x y
    read -r x y < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
