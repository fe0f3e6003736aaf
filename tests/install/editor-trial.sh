#!/bin/bash
# The installed editor's "Testen", from copies of the installed tree moved
# elsewhere as a whole (see trial.sh).
#   editor-trial.sh PREFIX
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
source "$(dirname "$0")/trial.sh"
installed=$1
cd "$scratch"
start_x 1024 768

prefix=
moved_copy() {
    prefix="$scratch/moved pre fix $1"
    cp -a -- "$installed" "$prefix"
}

each_press_starts_the_installed_game_in_a_directory_of_its_own() {
    moved_copy trial
    check_trial "$prefix/$commands_dir/velorin-editor" "$prefix/$programs_dir/velorin" "$prefix/$data_dir" || exit 1
}

# The launcher beside the editor is no stand-in for a missing game.
a_missing_game_is_reported() {
    moved_copy missing
    rm -- "$prefix/$programs_dir/velorin"
    check_refused_trial "$prefix/$commands_dir/velorin-editor" "$prefix/$data_dir" || exit 1
}

a_game_that_does_not_start_is_reported() {
    moved_copy broken
    printf 'kein Programm\n' >"$prefix/$programs_dir/velorin"
    check_refused_trial "$prefix/$commands_dir/velorin-editor" "$prefix/$data_dir" || exit 1
}

run_case each_press_starts_the_installed_game_in_a_directory_of_its_own
run_case a_missing_game_is_reported
run_case a_game_that_does_not_start_is_reported
finish_cases
