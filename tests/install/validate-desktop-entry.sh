#!/bin/bash
# The installed menu entries (the game and its editor) pass desktop-file-validate.
#   validate-desktop-entry.sh PREFIX
source "$(dirname "$0")/lib.sh"
command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
for entry in "$1/share/applications/velorin.desktop" "$1/share/applications/velorin-editor.desktop"; do
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
    # It reports hints without failing; the entry is to have none.
    [ -z "$report" ] || fail "desktop-file-validate: $report"
    echo "desktop-file-validate: $entry is valid"
done
