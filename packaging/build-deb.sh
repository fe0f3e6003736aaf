#!/bin/bash
# Builds the Debian package from debian/ in a copy of the source tree, so
# that none of dpkg-buildpackage's files land in the tree itself:
#   packaging/build-deb.sh OUTPUT_DIR
# leaves velorin_<version>_<arch>.deb, its debugging symbols (-dbgsym),
# the .buildinfo and .changes in OUTPUT_DIR, which it empties first.
# The copy holds the tree's files as they are, committed or not, without
# what git ignores (copy-source.sh). DEB_BUILD_OPTIONS passes through
# (nocheck leaves the tests out, parallel=N builds with N jobs; 2 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# = 1 ] || { echo "usage: $0 OUTPUT_DIR" >&2; exit 2; }
version=$(dpkg-parsechangelog -S Version)
rm -rf -- "$1"
mkdir -p -- "$1"
out=$(cd -- "$1" && pwd)
source_copy=$out/velorin-$version
packaging/copy-source.sh "$source_copy"

case " ${DEB_BUILD_OPTIONS:-} " in
    *" parallel="*) ;;
    *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=2" ;;
esac
(cd "$source_copy" && dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 \
    || { tail -n 60 "$out/build.log" >&2; echo "build-deb: dpkg-buildpackage failed; all output in $out/build.log" >&2; exit 1; }
rm -rf -- "$source_copy"
ls "$out"/*.deb
