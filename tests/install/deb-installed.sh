#!/bin/bash
# The Debian package installed on this system as a player gets it: each
# menu entry's command, as the desktop runs it (Exec, found on the PATH),
# opens its window on a virtual X display. The package is removed again
# afterwards, and one already installed is left alone.
#   deb-installed.sh DEB
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
deb=$(readlink -f "$1")
[ -f "$deb" ] || fail "no package $1 (make deb builds it)"
[ "$(id -u)" = 0 ] || skip "installing a package needs root"
if dpkg-query -W -f='${Status}' velorin 2>/dev/null | grep -q 'install ok installed'; then
    skip "a velorin package is installed already; it is left alone"
fi
cd "$scratch"

DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 \
    || fail "the package does not install: $(tail -n 20 "$scratch/apt.log")"
at_exit "dpkg --purge velorin >/dev/null"

# The command of a menu entry, without its field codes.
menu_command() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "/usr/share/applications/$1.desktop" | sed -n 's/^Exec=//p' \
        | head -n1 | sed 's/ %[a-zA-Z]//g'
}

start_x 1024 768
home="$scratch/home of player"
mkdir -p -- "$home"

# starts_from_the_menu ENTRY TITLE: the entry's command opens a window of
# that title, whose process is the installed program.
starts_from_the_menu() {
    local command window pid
    command=$(menu_command "$1")
    [ -n "$command" ] || fail "$1.desktop has no Exec"
    # The desktop's PATH: the games are in /usr/games.
    env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games HOME="$home" DISPLAY="$DISPLAY" \
        sh -c "exec $command" >"$scratch/$1.log" 2>&1 &
    local started=$!
    at_exit "kill $started 2>/dev/null"
    window=$(wait_for_window "$2" 30) || fail "$1: no window; it said: $(cat "$scratch/$1.log")"
    pid=$(xdotool getwindowpid "$window")
    echo "$1: Exec=$command opened \"$(xdotool getwindowname "$window")\" of $(readlink -f "/proc/$pid/exe")"
    kill "$pid"
}

the_game_starts_from_its_menu_entry() {
    starts_from_the_menu velorin Velorin
    [ -f "$home/.local/share/velorin/velor.dat" ] || fail "the launcher did not provide the levels"
    same_file "$home/.local/share/velorin/velor.dat" /usr/share/games/velorin/velor.dat
}

the_editor_starts_from_its_menu_entry() {
    starts_from_the_menu velorin-editor 'Velorin-Editor.*'
}

the_manual_pages_are_found() {
    local page
    for page in velorin velorin-editor velorin-levels; do
        [ "$(man -w "$page")" = "/usr/share/man/man6/$page.6.gz" ] || fail "man finds $page at $(man -w "$page")"
    done
    # Found where the player's locale is German (which this machine may
    # not have: man-db looks for a page only in locales it can set).
    for page in velorin velorin-editor; do
        LC_ALL=C.UTF-8 MANWIDTH=80 man -l "/usr/share/man/de/man6/$page.6.gz" 2>/dev/null | grep -q BESCHREIBUNG \
            || fail "no German page of $page"
    done
}

run_case the_game_starts_from_its_menu_entry
run_case the_editor_starts_from_its_menu_entry
run_case the_manual_pages_are_found
finish_cases
