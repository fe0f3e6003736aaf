#!/bin/bash
# The launcher, with a stand-in for the game that notes where and with
# what it was started: the player's directory, the files provided there,
# the high-score list left alone, and clear failures. Then the installed
# game itself where it finds no window system.
#   launcher.sh PREFIX
source "$(dirname "$0")/lib.sh"
installed=$1
# Relative paths, rightly or wrongly taken, land in the scratch directory.
cd "$scratch"

# A copy of the installed tree per case, so that a case may change it,
# with stand-ins for the game and for its error box.
prefix=
new_prefix() {
    prefix="$scratch/pre fix $1"
    cp -a -- "$installed" "$prefix"
    cat >"$prefix/$programs_dir/velorin" <<'STUB'
#!/bin/sh
{ pwd; echo "$#"; } >"$STUB_LOG"
STUB
    cat >"$prefix/$programs_dir/velorin-message" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" >"$MESSAGE_LOG"
STUB
}

# A window system for the game: a platform named as the tests of the game
# name one, which shows no error box. A case clears it to have none.
window_system=QT_QPA_PLATFORM=offscreen

# Runs the launcher as it runs from the menu: found on the PATH, in a
# clean environment holding only the given variables.
launch() {
    env -i PATH="$prefix/$commands_dir:/usr/bin:/bin" STUB_LOG="$scratch/started" MESSAGE_LOG="$scratch/message" \
        "$window_system" "$@" velorin >"$scratch/out" 2>"$scratch/err"
}

# Fails unless the status is a plain failure: not success, and not a
# signal's (a crash, an abort with its core dump).
failed_plainly() {
    [ "$1" -ne 0 ] || fail "reported success"
    [ "$1" -lt 128 ] || fail "ended with status $1, as a signal ends a program; stderr: $(cat "$scratch/err")"
}

started_in() {
    [ -f "$scratch/started" ] || fail "the game was not started; the launcher said: $(cat "$scratch/err")"
    [ "$(sed -n 1p "$scratch/started")" = "$1" ] || fail "the game ran in $(sed -n 1p "$scratch/started"), not $1"
}

not_started() {
    [ ! -e "$scratch/started" ] || fail "the game was started all the same"
}

# Without a display the message goes to stderr alone.
no_box() {
    [ ! -e "$scratch/message" ] || fail "a box was shown without a display: $(cat "$scratch/message")"
}

home="$scratch/home of player"

a_first_start_makes_the_players_directory_and_provides_the_files() {
    new_prefix first
    launch HOME="$home"
    local player=$home/.local/share/velorin
    started_in "$player"
    [ "$(sed -n 2p "$scratch/started")" = 0 ] || fail "the game got arguments"
    local name
    for name in velor.dat velor.hlp; do
        same_file "$player/$name" "$prefix/$data_dir/$name"
        [ "$(mtime "$player/$name")" = "$(mtime "$prefix/$data_dir/$name")" ] \
            || fail "$name does not keep the installed file's time"
    done
    [ "$(ls -A "$player" | sort | tr '\n' ' ')" = 'velor.dat velor.hlp ' ] || fail "more in $player: $(ls -A "$player")"
}

xdg_data_home_holds_the_players_directory() {
    new_prefix xdg
    local data_home="$scratch/data home"
    launch HOME="$home" XDG_DATA_HOME="$data_home"
    started_in "$data_home/velorin"
    same_file "$data_home/velorin/velor.dat" "$prefix/$data_dir/velor.dat"
    [ ! -e "$home/.local/share/velorin" ] || fail "the default directory was made as well"
}

an_empty_or_relative_xdg_data_home_counts_as_unset() {
    new_prefix relative
    local value
    for value in '' 'relative/data'; do
        rm -f "$scratch/started"
        launch HOME="$home" XDG_DATA_HOME="$value"
        started_in "$home/.local/share/velorin"
    done
}

the_launcher_passes_on_no_arguments() {
    new_prefix arguments
    env -i PATH="$prefix/$commands_dir:/usr/bin:/bin" STUB_LOG="$scratch/started" HOME="$home" "$window_system" \
        velorin -platform offscreen "a b" >/dev/null 2>&1
    [ "$(sed -n 2p "$scratch/started")" = 0 ] || fail "the game got $(sed -n 2p "$scratch/started") arguments"
}

the_high_score_list_is_never_touched() {
    new_prefix scores
    local player=$home/.local/share/velorin
    mkdir -p "$player"
    head -c 160 /dev/urandom >"$player/VScore.dat"
    cp -p "$player/VScore.dat" "$scratch/scores before"
    touch -d '2001-02-03 04:05:06' "$player/VScore.dat" "$scratch/scores before"
    launch HOME="$home"
    started_in "$player"
    same_file "$player/VScore.dat" "$scratch/scores before"
    [ "$(mtime "$player/VScore.dat")" = "$(mtime "$scratch/scores before")" ] || fail "VScore.dat was rewritten"
}

a_newer_installed_level_set_replaces_the_players_copy() {
    new_prefix newer
    local player=$home/.local/share/velorin
    mkdir -p "$player"
    echo "an older level set" >"$player/velor.dat"
    echo "an older help" >"$player/velor.hlp"
    touch -d '2001-02-03 04:05:06' "$player/velor.dat" "$player/velor.hlp"
    launch HOME="$home"
    started_in "$player"
    same_file "$player/velor.dat" "$prefix/$data_dir/velor.dat"
    same_file "$player/velor.hlp" "$prefix/$data_dir/velor.hlp"
    [ -z "$(find "$player" -name '.velor*')" ] || fail "a partial copy was left: $(ls -A "$player")"
}

the_players_newer_copies_stay() {
    new_prefix older
    local player=$home/.local/share/velorin
    mkdir -p "$player"
    echo "the player's own levels" >"$player/velor.dat"
    cp "$player/velor.dat" "$scratch/own levels"
    # Changed after the installation, as a player's edit would be.
    touch -d '+1 hour' "$player/velor.dat"
    launch HOME="$home"
    started_in "$player"
    same_file "$player/velor.dat" "$scratch/own levels"
    # A copy exactly as old as the installed file stays as well.
    cp -p "$prefix/$data_dir/velor.hlp" "$player/velor.hlp"
    echo "edited at the same second" >>"$player/velor.hlp"
    touch -r "$prefix/$data_dir/velor.hlp" "$player/velor.hlp"
    cp -p "$player/velor.hlp" "$scratch/own help"
    rm -f "$scratch/started"
    launch HOME="$home"
    started_in "$player"
    same_file "$player/velor.hlp" "$scratch/own help"
}

a_directory_that_cannot_be_made_fails_clearly() {
    new_prefix blocked
    echo "a file where the directory should go" >"$scratch/in the way"
    if launch HOME="$home" XDG_DATA_HOME="$scratch/in the way"; then fail "the launcher reported success"; fi
    not_started
    grep -q "Das Verzeichnis für Deine Spieldateien, „$scratch/in the way/velorin“, kann nicht angelegt werden" \
        "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
}

no_home_at_all_fails_clearly() {
    new_prefix homeless
    if launch; then fail "the launcher reported success"; fi
    not_started
    grep -q "weder XDG_DATA_HOME noch HOME ist gesetzt" "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
}

a_relative_home_is_named_as_the_reason() {
    new_prefix relative-home
    if launch HOME=relative/home; then fail "the launcher reported success"; fi
    not_started
    grep -q "HOME ist „relative/home“, kein absoluter Pfad" "$scratch/err" \
        || fail "unclear message: $(cat "$scratch/err")"
    [ ! -e "$scratch/relative" ] || fail "a directory was made below the working directory"
}

without_a_display_the_game_is_not_started() {
    new_prefix headless
    local status value
    # Empty counts as unset, as it does for the toolkit.
    for value in '' 'DISPLAY=' 'WAYLAND_DISPLAY='; do
        status=0
        launch HOME="$home" QT_QPA_PLATFORM= ${value:+"$value"} || status=$?
        failed_plainly "$status"
        not_started
        no_box
        grep -q "Velorin braucht eine grafische Oberfläche: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt" \
            "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
    done
    # Any one of them is enough to try, and so is a compositor at its
    # default socket.
    local runtime="$scratch/runtime"
    mkdir -p "$runtime"
    python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$runtime/wayland-0" \
        || fail "no socket for the compositor"
    for value in DISPLAY=:7 WAYLAND_DISPLAY=wayland-7 XDG_RUNTIME_DIR="$runtime"; do
        rm -f "$scratch/started"
        launch HOME="$home" QT_QPA_PLATFORM= "$value"
        started_in "$home/.local/share/velorin"
    done
}

a_file_that_cannot_be_replaced_fails_clearly() {
    new_prefix unreplaceable
    local player=$home/.local/share/velorin
    mkdir -p "$player/velor.dat"
    touch -d '2001-02-03 04:05:06' "$player/velor.dat"
    if launch HOME="$home"; then fail "the launcher reported success"; fi
    not_started
    grep -q "„velor.dat“ kann nicht in „$player“ abgelegt werden" "$scratch/err" \
        || fail "unclear message: $(cat "$scratch/err")"
    [ -z "$(find "$player" -maxdepth 1 -name '.velor*')" ] || fail "a partial copy was left: $(ls -A "$player")"
}

an_incomplete_installation_fails_clearly() {
    new_prefix incomplete
    rm "$prefix/$data_dir/velor.hlp"
    if launch HOME="$home"; then fail "the launcher reported success"; fi
    not_started
    grep -q "Velorin ist nicht vollständig installiert" "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
    [ ! -e "$home/.local/share/velorin" ] || fail "the player's directory was made all the same"
    no_box
}

failures_show_in_the_error_box_where_there_is_a_display() {
    new_prefix boxed
    echo "a file where the directory should go" >"$scratch/in the way"
    local display
    for display in DISPLAY=:7 WAYLAND_DISPLAY=wayland-7; do
        rm -f "$scratch/message"
        if launch HOME="$home" XDG_DATA_HOME="$scratch/in the way" "$display"; then fail "the launcher reported success"; fi
        not_started
        [ -f "$scratch/message" ] || fail "no box with $display"
        [ "velorin: $(cat "$scratch/message")" = "$(cat "$scratch/err")" ] \
            || fail "the box said \"$(cat "$scratch/message")\", stderr \"$(cat "$scratch/err")\""
    done
}

a_linked_launcher_finds_its_tree() {
    new_prefix linked
    mkdir -p "$scratch/games"
    ln -s "$prefix/$commands_dir/velorin" "$scratch/games/velorin"
    env -i PATH="$scratch/games:/usr/bin:/bin" STUB_LOG="$scratch/started" HOME="$home" "$window_system" \
        velorin 2>"$scratch/err"
    started_in "$home/.local/share/velorin"
}

# The installed game itself, started straight in a bare environment in the
# player's directory; a game that went on to run is ended after a while.
installed_game=$installed/$programs_dir/velorin
game_status=
run_game() {
    game_status=0
    (cd "$home" && env -i PATH=/usr/bin:/bin ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} "$@" \
        timeout -s KILL 20 "$installed_game" >"$scratch/out" 2>"$scratch/err") || game_status=$?
}

the_game_without_a_display_says_so_itself() {
    run_game
    failed_plainly "$game_status"
    grep -q "^velorin: Velorin braucht eine grafische Oberfläche: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt" \
        "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
    [ -z "$(ls -A "$home")" ] || fail "the game left files: $(ls -A "$home")"
}

# A display number no X server serves.
unserved_display() {
    local number
    for number in $(seq 400 499); do
        if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
            echo ":$number"
            return 0
        fi
    done
    return 1
}

the_game_says_when_no_x_server_answers() {
    local display
    display=$(unserved_display) || fail "no free display number"
    run_game DISPLAY="$display"
    failed_plainly "$game_status"
    grep -q "^velorin: Velorin braucht eine grafische Oberfläche: unter DISPLAY=„$display“ ist kein X-Server erreichbar" \
        "$scratch/err" || fail "unclear message: $(cat "$scratch/err")"
}

# A platform named in the environment or on the command line is the
# toolkit's to try, display or not.
a_platform_the_player_names_needs_no_display() {
    cp -- "$installed/$data_dir/velor.dat" "$installed/$data_dir/velor.hlp" "$home"
    local named
    for named in environment arguments; do
        (
            cd "$home"
            if [ "$named" = environment ]; then
                exec env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$installed_game"
            fi
            exec env -i PATH=/usr/bin:/bin "$installed_game" -platform offscreen
        ) >"$scratch/out" 2>"$scratch/err" &
        local game=$!
        sleep 1
        kill -0 "$game" 2>/dev/null || fail "with a platform in the $named the game ended: $(cat "$scratch/err")"
        kill "$game"
        wait "$game" 2>/dev/null || true
    done
}

for case in \
    a_first_start_makes_the_players_directory_and_provides_the_files \
    xdg_data_home_holds_the_players_directory \
    an_empty_or_relative_xdg_data_home_counts_as_unset \
    the_launcher_passes_on_no_arguments \
    the_high_score_list_is_never_touched \
    a_newer_installed_level_set_replaces_the_players_copy \
    the_players_newer_copies_stay \
    a_directory_that_cannot_be_made_fails_clearly \
    no_home_at_all_fails_clearly \
    a_relative_home_is_named_as_the_reason \
    without_a_display_the_game_is_not_started \
    failures_show_in_the_error_box_where_there_is_a_display \
    a_file_that_cannot_be_replaced_fails_clearly \
    an_incomplete_installation_fails_clearly \
    a_linked_launcher_finds_its_tree \
    the_game_without_a_display_says_so_itself \
    the_game_says_when_no_x_server_answers \
    a_platform_the_player_names_needs_no_display; do
    # Each case starts with a new player.
    rm -rf -- "$home" "$scratch/started" "$scratch/message"
    mkdir -p -- "$home"
    run_case "$case"
done
finish_cases
