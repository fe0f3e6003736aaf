#!/bin/bash
# The installed tree holds exactly the files of the game and its level
# editor, each where the launcher, the desktop and the icon theme look for it.
#   install-tree.sh SOURCE_DIR PREFIX VERSION
source "$(dirname "$0")/lib.sh"
source_dir=$1 prefix=$2 version=$3

# The icon theme's sizes of the menu entries' icons (packaging/CMakeLists.txt).
icon_sizes="16 22 24 32 48 64 128 256"

everything_and_nothing_else() {
    local listed expected size name
    listed=$(cd "$prefix" && find . ! -type d | sort)
    expected=$(
        cat <<'LIST'
./games/velorin
./games/velorin-editor
./games/velorin-levels
./libexec/velorin/velor.hlp
./libexec/velorin/velorin
./libexec/velorin/velorin-message
./share/applications/velorin-editor.desktop
./share/applications/velorin.desktop
./share/games/velorin/velor.dat
./share/games/velorin/velor.hlp
./share/icons/hicolor/scalable/apps/velorin-editor.svg
./share/icons/hicolor/scalable/apps/velorin.svg
./share/man/de/man6/velorin-editor.6
./share/man/de/man6/velorin.6
./share/man/man6/velorin-editor.6
./share/man/man6/velorin-levels.6
./share/man/man6/velorin.6
./share/metainfo/example.velorin.editor.metainfo.xml
./share/metainfo/example.velorin.velorin.metainfo.xml
LIST
        for size in $icon_sizes; do
            for name in velorin velorin-editor; do echo "./share/icons/hicolor/${size}x$size/apps/$name.png"; done
        done
    )
    diff <(echo "$listed") <(echo "$expected" | sort) || fail "the installed files differ from the list above"
}

the_launcher_and_the_programs_run() {
    local program
    [ -x "$prefix/$commands_dir/velorin" ] || fail "the launcher is not executable"
    head -c2 "$prefix/$commands_dir/velorin" | grep -q '^#!' || fail "the launcher is no script"
    for program in "$programs_dir/velorin" "$programs_dir/velorin-message" "$commands_dir/velorin-editor" \
        "$commands_dir/velorin-levels"; do
        [ -x "$prefix/$program" ] || fail "$program is not executable"
        [ "$(od -An -c -N4 "$prefix/$program" | tr -d ' ')" = '177ELF' ] || fail "$program is no program"
    done
}

the_shipped_files_are_the_sources() {
    same_file "$prefix/$data_dir/velor.dat" "$source_dir/data/velor.dat"
    same_file "$prefix/$data_dir/velor.hlp" "$source_dir/data/velor.hlp"
    # The editor's trials take the help from beside the game.
    [ -L "$prefix/$programs_dir/velor.hlp" ] || fail "the help beside the game is no link"
    same_file "$prefix/$programs_dir/velor.hlp" "$source_dir/data/velor.hlp"
    [[ $(readlink "$prefix/$programs_dir/velor.hlp") != /* ]] || fail "the link to the help is absolute"
}

# Each command in a terminal without any display: the usage and version,
# in German for the game and the editor, and success.
every_command_answers_help_and_version_without_a_display() {
    local command option out status
    for command in velorin velorin-editor velorin-levels; do
        for option in --help --version; do
            status=0
            out=$(env -i PATH=/usr/bin:/bin HOME="$scratch" "$prefix/$commands_dir/$command" "$option" 2>&1) || status=$?
            [ "$status" = 0 ] || fail "$command $option ended with status $status: $out"
            case $option in
                --version) [ "$out" = "$command $version" ] || fail "$command --version: $out" ;;
                --help) [[ $out == *"$command"* ]] || fail "$command --help: $out" ;;
            esac
        done
    done
    [[ $(env -i "$prefix/$commands_dir/velorin" --help) == Aufruf:* ]] || fail "the game's usage is not German"
    [[ $(env -i "$prefix/$commands_dir/velorin-editor" --help) == Aufruf:* ]] || fail "the editor's usage is not German"
    # Any other argument is the toolkit's, as before: without a display the
    # game says it needs one.
    status=0
    out=$(env -i PATH=/usr/bin:/bin "$prefix/$programs_dir/velorin" -h 2>&1) || status=$?
    [ "$status" = 1 ] && [[ $out == *"braucht eine grafische Oberfläche"* ]] || fail "velorin -h: $status $out"
    # The editor too says so, instead of the toolkit's abort.
    status=0
    out=$(env -i PATH=/usr/bin:/bin "$prefix/$commands_dir/velorin-editor" 2>&1) || status=$?
    [ "$status" = 1 ] && [[ $out == "velorin-editor: Velorin braucht eine grafische Oberfläche"* ]] \
        || fail "velorin-editor without a display: $status $out"
}

# Each manual page formats without a warning, in its language.
the_manual_pages_format_cleanly() {
    command -v man >/dev/null || fail "man is missing (scripts/install-deps installs man-db)"
    local page warnings
    for page in "$prefix"/share/man/man6/*.6 "$prefix"/share/man/de/man6/*.6; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
    done
    LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$prefix/share/man/de/man6/velorin.6" 2>/dev/null | grep -q BESCHREIBUNG \
        || fail "the German page of the game is not German"
}

# Width and height from a PNG's header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 -- "$1" | tr -s ' ' ' ')
    set -- $bytes
    echo "$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))x$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))"
}

each_icon_has_its_size() {
    local size icon name
    for size in $icon_sizes; do
        for name in velorin velorin-editor; do
            icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$name.png
            same_file "$icon" "$source_dir/assets/icon/$name-$size.png"
            [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
        done
    done
    same_file "$prefix/share/icons/hicolor/scalable/apps/velorin.svg" "$source_dir/assets/icon/velorin.svg"
    same_file "$prefix/share/icons/hicolor/scalable/apps/velorin-editor.svg" "$source_dir/assets/icon/velorin-editor.svg"
    ! cmp -s "$prefix/share/icons/hicolor/48x48/apps/velorin.png" "$prefix/share/icons/hicolor/48x48/apps/velorin-editor.png" \
        || fail "the editor shows the game's icon"
}

# The value of KEY in the main group of the desktop entry NAME.desktop.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "$prefix/share/applications/$1.desktop" \
        | sed -n "s/^$2=//p" | head -n1
}

the_menu_entries_name_what_is_installed() {
    local entry key program
    for entry in velorin velorin-editor; do
        program=$(desktop_value $entry Exec)
        program=${program%% *} # without the field code of a file to open
        [ -x "$prefix/$commands_dir/$program" ] || fail "$entry: Exec=$program is not in $commands_dir/"
        [ -x "$prefix/$commands_dir/$(desktop_value $entry TryExec)" ] || fail "$entry: TryExec is not in $commands_dir/"
        [ -f "$prefix/share/icons/hicolor/48x48/apps/$(desktop_value $entry Icon).png" ] || fail "$entry: no icon"
        for key in Name 'Name\[de\]' Comment 'Comment\[de\]'; do
            [ -n "$(desktop_value $entry "$key")" ] || fail "$entry has no $key"
        done
        [ "$(desktop_value $entry Categories)" = 'Game;LogicGame;' ] || fail "$entry: Categories=$(desktop_value $entry Categories)"
    done
}

# Each metainfo is named by its id, launches its menu entry, provides its
# command and names this version as its newest release.
the_metainfos_name_the_menu_entries() {
    local id entry metainfo
    for id in velorin:velorin editor:velorin-editor; do
        entry=${id#*:} id=example.velorin.${id%%:*}
        metainfo=$prefix/share/metainfo/$id.metainfo.xml
        grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo: the id is not its file name"
        grep -q "<launchable type=\"desktop-id\">$entry.desktop</launchable>" "$metainfo" \
            || fail "$metainfo does not launch $entry.desktop"
        grep -q "<binary>$entry</binary>" "$metainfo" || fail "$metainfo does not provide $entry"
        [ -x "$prefix/$commands_dir/$entry" ] || fail "$metainfo provides $entry, which is not installed"
        [ "$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1)" = "<release version=\"$version\"" ] \
            || fail "$metainfo: the newest release is not $version"
    done
}

run_case everything_and_nothing_else
run_case the_launcher_and_the_programs_run
run_case the_shipped_files_are_the_sources
run_case every_command_answers_help_and_version_without_a_display
run_case the_manual_pages_format_cleanly
run_case each_icon_has_its_size
run_case the_menu_entries_name_what_is_installed
run_case the_metainfos_name_the_menu_entries
finish_cases
