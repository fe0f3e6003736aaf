#!/bin/bash
# The Debian package built from debian/ (make deb): unpacked into a
# scratch root with dpkg-deb, its files and fields checked, its programs'
# hardening, and its editor's "Testen" and its launcher tried from there.
#   deb-package.sh DEB SOURCE_DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
source "$(dirname "$0")/trial.sh"
deb=$(readlink -f "$1") source_dir=$(readlink -f "$2")
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
[ -f "$deb" ] || fail "no package $1 (make deb builds it)"
cd "$scratch"

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
root=$scratch/root
dpkg-deb -x "$deb" "$root"
game=$root/usr/$programs_dir/velorin
editor=$root/usr/$commands_dir/velorin-editor
programs=("$game" "$root/usr/$programs_dir/velorin-message" "$editor" "$root/usr/$commands_dir/velorin-levels")

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
    local size name listed expected
    listed=$(cd "$root" && find . ! -type d | sort)
    expected=$(
        cat <<'LIST'
./usr/games/velorin
./usr/games/velorin-editor
./usr/games/velorin-levels
./usr/libexec/velorin/velor.hlp
./usr/libexec/velorin/velorin
./usr/libexec/velorin/velorin-message
./usr/share/applications/velorin-editor.desktop
./usr/share/applications/velorin.desktop
./usr/share/doc/velorin/changelog.gz
./usr/share/doc/velorin/copyright
./usr/share/games/velorin/velor.dat
./usr/share/games/velorin/velor.hlp
./usr/share/icons/hicolor/scalable/apps/velorin-editor.svg
./usr/share/icons/hicolor/scalable/apps/velorin.svg
./usr/share/man/de/man6/velorin-editor.6.gz
./usr/share/man/de/man6/velorin.6.gz
./usr/share/man/man6/velorin-editor.6.gz
./usr/share/man/man6/velorin-levels.6.gz
./usr/share/man/man6/velorin.6.gz
./usr/share/metainfo/example.velorin.editor.metainfo.xml
./usr/share/metainfo/example.velorin.velorin.metainfo.xml
LIST
        for size in 16 22 24 32 48 64 128 256; do
            for name in velorin velorin-editor; do echo "./usr/share/icons/hicolor/${size}x$size/apps/$name.png"; done
        done
    )
    diff <(echo "$listed") <(echo "$expected" | sort) || fail "the package's files differ from the list above"
    [ -x "$root/usr/$commands_dir/velorin" ] && [ -x "$game" ] || fail "the launcher or the game is not executable"
    same_file "$root/usr/$data_dir/velor.dat" "$source_dir/data/velor.dat"
    same_file "$root/usr/$data_dir/velor.hlp" "$source_dir/data/velor.hlp"
    same_file "$root/usr/$programs_dir/velor.hlp" "$source_dir/data/velor.hlp"
    # Every directory and file belongs to root, as Rules-Requires-Root: no
    # still gives them.
    [ -z "$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')" ] || fail "files not owned by root: $(dpkg-deb -c "$deb" | awk '$2 != "root/root"')"
}

# The copyright file in Debian's machine-readable format, with the MIT
# (Expat) licence of the project and the font licence of the lettering.
the_copyright_names_the_licences() {
    local copyright=$root/usr/share/doc/velorin/copyright
    same_file "$copyright" "$source_dir/debian/copyright"
    head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || fail "the copyright file is not machine-readable"
    grep -qx 'License: Expat' "$copyright" || fail "no Expat licence"
    grep -qx 'License: OFL-1.1' "$copyright" || fail "no licence for the lettering's font"
    # The licence text is the project's LICENSE, line by line.
    local line
    while IFS= read -r line; do
        [ -z "$line" ] || grep -qF -- " $line" "$copyright" || fail "the copyright file lacks the line: $line"
    done < <(sed -n '/^Permission/,$p' "$source_dir/LICENSE")
}

the_fields_name_the_game() {
    [ "$(field Package)" = velorin ] || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version), debian/changelog: $version"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
    [ "$(field Section)" = games ] || fail "Section: $(field Section)"
    [ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
    # Where no X server is at hand, Qt opens the windows on Wayland.
    field Recommends | tr ',' '\n' | sed 's/[[:space:]]//g' | grep -qx qt6-wayland \
        || fail "Recommends: $(field Recommends)"
}

every_linked_library_is_declared() {
    local program library path
    for program in "${programs[@]}"; do
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

the_programs_are_stripped() {
    local program
    for program in "${programs[@]}"; do
        [[ $(readelf -S --wide "$program") != *.debug_info* ]] || fail "$program carries its debugging information"
    done
}

# Debian's hardening: position independent, read-only relocations bound at
# start-up, the stack protector, and the C library's checked functions.
the_programs_are_hardened() {
    local program symbols
    for program in "${programs[@]}"; do
        # Read whole first: grep -q would leave the reader a broken pipe.
        [[ $(readelf -h "$program") =~ Type:[[:space:]]*DYN ]] || fail "$program is not position independent"
        [[ $(readelf -l --wide "$program") == *GNU_RELRO* ]] || fail "$program has no read-only relocations"
        [[ $(readelf -d "$program") =~ \(FLAGS\)[[:space:]]+BIND_NOW ]] || fail "$program is not bound at start-up"
        symbols=$(objdump -T "$program")
        [[ $symbols == *__stack_chk_fail* ]] || fail "$program has no stack protector"
        [[ $(grep -v __stack_chk_fail <<<"$symbols") =~ __[a-z0-9_]+_chk ]] \
            || fail "$program calls none of the checked functions (FORTIFY_SOURCE)"
    done
}

# The build's own directory is named nowhere in the programs.
no_build_path_is_kept() {
    local program
    for program in "${programs[@]}"; do
        ! grep -aq '/velorin-[0-9.]*/obj' "$program" || fail "$program names its build directory"
    done
}

# The unpacked editor finds the packaged game from its own place, as it
# does below /usr.
the_unpacked_editor_tests_with_the_packaged_game() {
    check_trial "$editor" "$game" "$root/usr/$data_dir" || exit 1
}

the_unpacked_launcher_starts_the_game() {
    printf '#!/bin/sh\npwd >"$STUB_LOG"\n' >"$game"
    local home="$scratch/home of player"
    mkdir -p "$home"
    env -i PATH="$root/usr/$commands_dir:/usr/bin:/bin" HOME="$home" STUB_LOG="$scratch/started" QT_QPA_PLATFORM=offscreen velorin \
        || fail "the launcher failed"
    [ "$(cat "$scratch/started")" = "$home/.local/share/velorin" ] || fail "the game ran in $(cat "$scratch/started")"
    same_file "$home/.local/share/velorin/velor.dat" "$root/usr/$data_dir/velor.dat"
}

run_case the_package_holds_the_installed_tree
run_case the_copyright_names_the_licences
run_case the_fields_name_the_game
run_case every_linked_library_is_declared
run_case the_c_library_version_covers_the_games_symbols
run_case the_window_plugin_the_translation_and_the_fonts_are_declared
run_case the_programs_are_stripped
run_case the_programs_are_hardened
run_case no_build_path_is_kept
start_x 1024 768
run_case the_unpacked_editor_tests_with_the_packaged_game
# Last: it puts a stand-in in place of the game.
run_case the_unpacked_launcher_starts_the_game
finish_cases
