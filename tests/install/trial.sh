# The editor's "Testen" as a new user meets it, for the install tests
# (after lib.sh and xserver.sh, on a display from start_x). The checks run
# in subshells of their own, so that the programs they start end with them
# also when a check fails.

# open_editor EDITOR SHIPPED: in a fresh directory below the scratch one a
# collection of one level, a temporary directory and a home whose player's
# directory already holds the levels and help in SHIPPED (a wrong game
# would show those); EDITOR started on the collection with a bare
# environment. Sets work, levels, player, player_before, temp, editor_pid
# and editor_window; game_pids collects the games to end with the check.
editor_pid='' game_pids=()
stop_trial() {
    local pid
    for pid in "${game_pids[@]}" ${editor_pid:+"$editor_pid"}; do kill "$pid" 2>/dev/null || true; done
    [ -z "$editor_pid" ] || wait "$editor_pid" 2>/dev/null || true
}
player_files() { (cd "$player" && find . -printf '%p %s %T@\n' | sort && md5sum ./*); }
open_editor() {
    local editor=$1 shipped=$2
    trap stop_trial EXIT
    work=$(mktemp -d "$scratch/trial.XXXXXX")

    # One level, of none of the shipped ones: codes 1, 2, 3 in a row as
    # target, the same stones turned as start.
    levels="$work/my levels.dat"
    zeros() { head -c "$1" /dev/zero; }
    { zeros 30; printf '\001\002\003'; zeros 48; zeros 30; printf '\002\003\001'; zeros 48; } >"$levels"
    [ "$(stat -c %s "$levels")" = 162 ] || fail "the level record is not 162 bytes"

    local home="$work/home of player"
    player=$home/.local/share/velorin temp="$work/temp dir"
    mkdir -p -- "$player" "$temp"
    cp -- "$shipped/velor.dat" "$shipped/velor.hlp" "$player/"
    player_before=$(player_files)

    env -i PATH="$(dirname "$editor"):/usr/bin:/bin" HOME="$home" TMPDIR="$temp" DISPLAY="$DISPLAY" \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
        "$editor" "$levels" >"$work/editor.log" 2>&1 &
    editor_pid=$!
    editor_window=$(wait_for_window 'Velorin-Editor.*' 30) || exit 1
}

# gone DIRECTORY: succeeds once it is removed, within 10 s.
gone() {
    for _ in $(seq 50); do
        [ -e "$1" ] || return 0
        sleep 0.2
    done
    return 1
}

# No trial directory is left in the temporary directory. (Qt keeps a
# runtime directory of its own there, without XDG_RUNTIME_DIR.)
no_trial_directory_left() {
    ! compgen -G "$temp/velorin-test-*" >/dev/null || fail "the trials left behind: $(ls -A -- "$temp")"
}

# check_trial EDITOR GAME SHIPPED: Ctrl+T, twice. Each press must start
# GAME itself in a temporary directory of its own that holds the level and
# the help in SHIPPED, leave the player's directory alone, and the
# directory must go when its game ends.
check_trial() (
    local game=$2 shipped=$3
    open_editor "$1" "$shipped"

    # trial_started: the window and process of the game that Ctrl+T just
    # started (the one not seen before), checked; sets `window`, `pid`, `cwd`.
    local window pid cwd seen=()
    trial_started() {
        local candidate
        window=
        for _ in $(seq 150); do
            for candidate in $(xdotool search --onlyvisible --name '^Velorin$' 2>/dev/null); do
                [[ " ${seen[*]} " == *" $candidate "* ]] || window=$candidate
            done
            [ -n "$window" ] && break
            sleep 0.2
        done
        [ -n "$window" ] || fail "Ctrl+T showed no new game window; the editor said: $(cat "$work/editor.log")"
        seen+=("$window")
        pid=$(xdotool getwindowpid "$window") || fail "the game window names no process"
        game_pids+=("$pid")
        [ "$(readlink -f "/proc/$pid/exe")" = "$(readlink -f "$game")" ] \
            || fail "the window belongs to $(readlink -f "/proc/$pid/exe"), not to the game $game"
        [ "$(ps -o ppid= -p "$pid" | tr -d ' ')" = "$editor_pid" ] || fail "the game was not started by the editor"
        cwd=$(readlink -f "/proc/$pid/cwd")
        [ "$(dirname "$cwd")" = "$(readlink -f "$temp")" ] && [[ $(basename "$cwd") == velorin-test-* ]] \
            || fail "the game runs in $cwd, not in a trial directory in $temp"
        same_file "$cwd/velor.dat" "$levels"
        same_file "$cwd/velor.hlp" "$shipped/velor.hlp"
        [ "$(player_files)" = "$player_before" ] || fail "the trial changed the player's directory $player"
    }

    press_key "$editor_window" ctrl+t
    trial_started
    local first_window=$window first_pid=$pid first_cwd=$cwd

    # The first game still runs: the second press starts another one.
    press_key "$editor_window" ctrl+t
    trial_started
    [ "$cwd" != "$first_cwd" ] || fail "both games run in $cwd"
    [ -d "$first_cwd" ] || fail "the second trial removed the first one's directory"

    # The second ends by its button "Ende" (Alt+E), the first by a signal.
    press_key "$window" alt+e
    gone "$cwd" || fail "the directory $cwd stayed after its game ended"
    [ -d "$first_cwd" ] && kill -0 "$first_pid" 2>/dev/null || fail "the first game did not outlive the second"
    xdotool search --onlyvisible --name '^Velorin$' | grep -qx "$first_window" || fail "the first game's window went"
    kill -TERM "$first_pid"
    gone "$first_cwd" || fail "the directory $first_cwd stayed after its game was ended"
    no_trial_directory_left
    kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended with the games: $(cat "$work/editor.log")"
    [ "$(player_files)" = "$player_before" ] || fail "the trials changed the player's directory $player"
)

# check_refused_trial EDITOR SHIPPED: Ctrl+T where the game is missing or
# does not start. The editor must say so in a box of its own, start no
# game (and not the launcher beside it either) and leave no directory.
check_refused_trial() (
    open_editor "$1" "$2"
    press_key "$editor_window" ctrl+t
    wait_for_window Velorin-Editor 10 >/dev/null || exit 1
    no_window Velorin 2 || fail "a game started all the same"
    no_trial_directory_left
    [ "$(player_files)" = "$player_before" ] || fail "the refused trial changed the player's directory $player"
)
