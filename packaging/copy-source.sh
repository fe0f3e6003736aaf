#!/bin/bash
# Copies the source tree, as it is, into a new directory:
#   packaging/copy-source.sh DESTINATION
# The files git knows or would take, committed or not, less those deleted
# in the work tree and what git ignores. They get the time of the copy, as
# a fresh checkout would, so that no file time of the tree reaches a package.
set -euo pipefail
[ $# = 1 ] || { echo "usage: $0 DESTINATION" >&2; exit 2; }
destination=$(mkdir -p -- "$1" && cd -- "$1" && pwd)
cd "$(dirname "$0")/.."
git ls-files -z --cached --others --exclude-standard \
    | while IFS= read -r -d '' file; do
        if [ -e "$file" ] || [ -L "$file" ]; then printf '%s\0' "$file"; fi
    done \
    | tar --null -T - -cf - | tar -C "$destination" -xmf -
