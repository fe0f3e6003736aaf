# Helpers shared by the install tests (bash): a scratch directory that goes
# with the test, failing and skipping, and cases run one by one.

set -euo pipefail

# Where the install rules (packaging/CMakeLists.txt) put the game below a
# prefix: the player's commands, the game's own programs, its data.
commands_dir=games
programs_dir=libexec/velorin
data_dir=share/games/velorin

# A space in every scratch path: the launcher must cope with it.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/velorin install.XXXXXX")
exit_actions=()
at_exit() { exit_actions+=("$1"); }
run_exit_actions() {
    local action
    for action in "${exit_actions[@]}"; do eval "$action" || true; done
    rm -rf -- "$scratch"
}
trap run_exit_actions EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ctest counts exit code 77 as skipped.
skip() {
    echo "SKIP: $*"
    exit 77
}

# Runs the function `$1` in a subshell and reports it; the script fails at
# the end if any case failed.
failed_cases=0
run_case() {
    if ( "$1" ); then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        failed_cases=$((failed_cases + 1))
    fi
}
finish_cases() {
    [ "$failed_cases" -eq 0 ] || fail "$failed_cases case(s) failed"
}

same_file() {
    cmp -s -- "$1" "$2" || fail "$1 differs from $2"
}

mtime() {
    stat -c %y -- "$1"
}
