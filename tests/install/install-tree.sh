#!/bin/bash
# The installed tree holds exactly the files of the game and its level
# editor, each where the launcher, the desktop and the icon theme look for it.
#   install-tree.sh SOURCE_DIR PREFIX
source "$(dirname "$0")/lib.sh"
source_dir=$1 prefix=$2

# Width and height from a PNG's header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 -- "$1" | tr -s ' ' ' ')
    set -- $bytes
    echo "$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))x$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))"
}

everything_and_nothing_else() {
    local listed
    listed=$(cd "$prefix" && find . ! -type d | sort)
    diff <(echo "$listed") - <<'LIST' || fail "the installed files differ from the list above"
./bin/velorin
./bin/velorin-editor
./share/applications/velorin-editor.desktop
./share/applications/velorin.desktop
./share/icons/hicolor/16x16/apps/velorin-editor.png
./share/icons/hicolor/16x16/apps/velorin.png
./share/icons/hicolor/256x256/apps/velorin-editor.png
./share/icons/hicolor/256x256/apps/velorin.png
./share/icons/hicolor/32x32/apps/velorin-editor.png
./share/icons/hicolor/32x32/apps/velorin.png
./share/icons/hicolor/48x48/apps/velorin-editor.png
./share/icons/hicolor/48x48/apps/velorin.png
./share/metainfo/example.velorin.velorin.metainfo.xml
./share/velorin/velor.dat
./share/velorin/velor.hlp
./share/velorin/velorin
./share/velorin/velorin-message
LIST
}

the_launcher_and_the_game_run() {
    [ -x "$prefix/bin/velorin" ] || fail "the launcher is not executable"
    head -c2 "$prefix/bin/velorin" | grep -q '^#!' || fail "the launcher is no script"
    [ -x "$prefix/share/velorin/velorin" ] || fail "the game is not executable"
    [ "$(od -An -c -N4 "$prefix/share/velorin/velorin" | tr -d ' ')" = '177ELF' ] || fail "the game is no program"
    [ "$(od -An -c -N4 "$prefix/bin/velorin-editor" | tr -d ' ')" = '177ELF' ] || fail "the editor is no program"
}

the_shipped_files_are_the_sources() {
    same_file "$prefix/share/velorin/velor.dat" "$source_dir/data/velor.dat"
    same_file "$prefix/share/velorin/velor.hlp" "$source_dir/data/velor.hlp"
}

each_icon_has_its_size() {
    local size icon name
    for size in 16 32 48 256; do
        for name in velorin velorin-editor; do # the editor shows the game's icon
            icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$name.png
            same_file "$icon" "$source_dir/assets/icon/velorin-$size.png"
            [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
        done
    done
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
        [ -x "$prefix/bin/$program" ] || fail "$entry: Exec=$program is not in bin/"
        [ -x "$prefix/bin/$(desktop_value $entry TryExec)" ] || fail "$entry: TryExec is not in bin/"
        [ -f "$prefix/share/icons/hicolor/48x48/apps/$(desktop_value $entry Icon).png" ] || fail "$entry: no icon"
        for key in Name 'Name\[de\]' Comment 'Comment\[de\]'; do
            [ -n "$(desktop_value $entry "$key")" ] || fail "$entry has no $key"
        done
        [ "$(desktop_value $entry Categories)" = 'Game;LogicGame;' ] || fail "$entry: Categories=$(desktop_value $entry Categories)"
    done
}

the_metainfo_names_the_menu_entry() {
    local metainfo=$prefix/share/metainfo/example.velorin.velorin.metainfo.xml
    grep -q '<id>example.velorin.velorin</id>' "$metainfo" || fail "the metainfo's id is not its file name"
    grep -q '<launchable type="desktop-id">velorin.desktop</launchable>' "$metainfo" \
        || fail "the metainfo does not launch velorin.desktop"
    grep -q '<binary>velorin</binary>' "$metainfo" || fail "the metainfo does not provide bin/velorin"
}

run_case everything_and_nothing_else
run_case the_launcher_and_the_game_run
run_case the_shipped_files_are_the_sources
run_case each_icon_has_its_size
run_case the_menu_entries_name_what_is_installed
run_case the_metainfo_names_the_menu_entry
finish_cases
