#!/bin/bash
# Compares the packages of two builds (packaging/build-deb.sh) byte for
# byte; where they differ, names the files inside that differ.
#   packaging/compare-debs.sh FIRST_DIR SECOND_DIR
set -euo pipefail
first=$1 second=$2
status=0 compared=0
for deb in "$first"/*.deb; do
    name=$(basename "$deb")
    other=$second/$name
    compared=$((compared + 1))
    if [ ! -f "$other" ]; then
        echo "$name: only in $first"
        status=1
    elif cmp -s "$deb" "$other"; then
        echo "$name: identical ($(sha256sum <"$deb" | cut -c1-16)…)"
    else
        echo "$name: DIFFERS"
        status=1
        scratch=$(mktemp -d)
        dpkg-deb -R "$deb" "$scratch/a"
        dpkg-deb -R "$other" "$scratch/b"
        diff -rq "$scratch/a" "$scratch/b" | sed 's/^/  /' || true
        diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time) \
            <(dpkg-deb --fsys-tarfile "$other" | tar -tv --full-time) | sed 's/^/  /' || true
        rm -rf -- "$scratch"
    fi
done
[ "$compared" -gt 0 ] || { echo "no packages in $first"; exit 1; }
exit "$status"
