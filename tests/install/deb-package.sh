#!/bin/bash
# The Debian package: built with CPack into a scratch directory, unpacked
# into a scratch root with dpkg-deb, its files and fields checked, and its
# editor's "Testen" tried from there.
#   deb-package.sh BUILD_DIR SOURCE_DIR VERSION
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
source "$(dirname "$0")/trial.sh"
build=$1 source_dir=$2 version=$3
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
cd "$scratch"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$scratch/cpack.log")"
deb=$scratch/out/velorin_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$scratch/out")"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
game=$root/usr/share/velorin/velorin
editor=$root/usr/bin/velorin-editor

field() { dpkg-deb -f "$deb" "$1"; }

# The names in Depends, without versions.
depends() { field Depends | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g'; }

# The package that holds a file of this system.
package_of() {
    local path candidate
    path=$(readlink -f "$1")
    for candidate in "$1" "$path" "${path#/usr}" "/usr$path"; do
        dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1 && return 0
    done
    return 1
}

declared() { depends | grep -qx "$1" || fail "$2 comes from $1, which Depends does not name: $(field Depends)"; }

the_package_holds_the_installed_tree() {
    diff <(cd "$root" && find . ! -type d | sort) - <<'LIST' || fail "the package's files differ from the list above"
./usr/bin/velorin
./usr/bin/velorin-editor
./usr/share/applications/velorin-editor.desktop
./usr/share/applications/velorin.desktop
./usr/share/icons/hicolor/16x16/apps/velorin-editor.png
./usr/share/icons/hicolor/16x16/apps/velorin.png
./usr/share/icons/hicolor/256x256/apps/velorin-editor.png
./usr/share/icons/hicolor/256x256/apps/velorin.png
./usr/share/icons/hicolor/32x32/apps/velorin-editor.png
./usr/share/icons/hicolor/32x32/apps/velorin.png
./usr/share/icons/hicolor/48x48/apps/velorin-editor.png
./usr/share/icons/hicolor/48x48/apps/velorin.png
./usr/share/metainfo/example.velorin.velorin.metainfo.xml
./usr/share/velorin/velor.dat
./usr/share/velorin/velor.hlp
./usr/share/velorin/velorin
./usr/share/velorin/velorin-message
LIST
    [ -x "$root/usr/bin/velorin" ] && [ -x "$game" ] || fail "the launcher or the game is not executable"
    same_file "$root/usr/share/velorin/velor.dat" "$source_dir/data/velor.dat"
    same_file "$root/usr/share/velorin/velor.hlp" "$source_dir/data/velor.hlp"
}

the_fields_name_the_game() {
    [ "$(field Package)" = velorin ] || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
    [ "$(field Section)" = games ] || fail "Section: $(field Section)"
    [ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
}

every_linked_library_is_declared() {
    local program library path
    for program in "$game" "$editor"; do
        for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
            # ldd names the dynamic loader by its path alone.
            path=$(ldd "$program" | awk -v name="$library" '$1 == name { print $3 } $1 ~ ("/" name "$") { print $1 }')
            [ -n "$path" ] || fail "$library is not found on this system"
            declared "$(package_of "$path")" "$library"
        done
    done
}

the_c_library_version_covers_the_games_symbols() {
    local needed bound
    needed=$(objdump -T "$game" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -n1)
    bound=$(field Depends | tr ',' '\n' | sed -n 's/^ *libc6 *(>= *\([0-9.]*\)).*/\1/p')
    [ -n "$bound" ] || fail "Depends gives libc6 no version"
    dpkg --compare-versions "$bound" ge "$needed" || fail "the game needs glibc $needed, Depends says libc6 (>= $bound)"
}

the_window_plugin_the_translation_and_the_fonts_are_declared() {
    # Qt opens the game's windows on X11 with its xcb plugin and speaks
    # German through its translation; the game's text uses Liberation Sans
    # and Serif.
    local file
    for file in "$(find /usr/lib -name libqxcb.so | head -n1)" \
        "$(find /usr/share -name qtbase_de.qm | head -n1)" \
        "$(fc-match -f '%{file}' 'Liberation Sans')" "$(fc-match -f '%{file}' 'Liberation Serif')"; do
        [ -f "$file" ] || fail "a file the game needs at run time is missing here: '$file'"
        declared "$(package_of "$file")" "$file"
    done
}

the_game_is_stripped() {
    ! readelf -S --wide "$game" | grep -q '\.debug_info' || fail "the game carries its debugging information"
}

# The unpacked editor finds the packaged game from its own place, as it
# does below /usr.
the_unpacked_editor_tests_with_the_packaged_game() {
    check_trial "$editor" "$game" || exit 1
}

the_unpacked_launcher_starts_the_game() {
    printf '#!/bin/sh\npwd >"$STUB_LOG"\n' >"$game"
    local home="$scratch/home of player"
    mkdir -p "$home"
    env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$home" STUB_LOG="$scratch/started" velorin \
        || fail "the launcher failed"
    [ "$(cat "$scratch/started")" = "$home/.local/share/velorin" ] || fail "the game ran in $(cat "$scratch/started")"
    same_file "$home/.local/share/velorin/velor.dat" "$root/usr/share/velorin/velor.dat"
}

run_case the_package_holds_the_installed_tree
run_case the_fields_name_the_game
run_case every_linked_library_is_declared
run_case the_c_library_version_covers_the_games_symbols
run_case the_window_plugin_the_translation_and_the_fonts_are_declared
run_case the_game_is_stripped
start_x 1024 768
run_case the_unpacked_editor_tests_with_the_packaged_game
# Last: it puts a stand-in in place of the game.
run_case the_unpacked_launcher_starts_the_game
finish_cases
