# A private X server for a test, on a free display, stopped when the test
# ends; and the xdotool steps that play the game in it.

# start_x WIDTH HEIGHT: starts Xvfb and exports DISPLAY.
start_x() {
    command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/install-deps installs it)"
    command -v xdotool >/dev/null || fail "xdotool is missing (scripts/install-deps installs it)"
    local number_file=$scratch/display
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp 3>"$number_file" 2>"$scratch/xvfb.log" &
    local pid=$!
    at_exit "kill $pid 2>/dev/null; wait $pid 2>/dev/null"
    local tries
    for tries in $(seq 100); do
        [ -s "$number_file" ] && break
        kill -0 "$pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
        sleep 0.1
    done
    [ -s "$number_file" ] || fail "Xvfb gave no display number"
    DISPLAY=:$(head -n1 "$number_file")
    export DISPLAY
}

# wait_for_window TITLE SECONDS: prints the id of the first shown window
# of that exact title, or fails.
wait_for_window() {
    local id
    id=$(timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) || true
    [ -n "$id" ] || fail "no window \"$1\" within $2 s"
    echo "$id"
}

# no_window TITLE SECONDS: succeeds when no such window shows in that time.
no_window() {
    ! timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null
}

# click WINDOW X Y: a left click at device pixel (X, Y) of the window.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# press_key WINDOW KEY: the key, typed into that window.
press_key() {
    xdotool windowfocus "$1"
    xdotool key "$2"
}
