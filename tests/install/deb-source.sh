#!/bin/bash
# The Debian source package, as a distribution would take it from this
# tree: made with dpkg-source and checked by lintian, every tag from
# pedantic up an error. The binary package is built and checked by
# `make deb`, which takes minutes; this takes seconds.
#   deb-source.sh SOURCE_DIR
source "$(dirname "$0")/lib.sh"
source_dir=$(readlink -f "$1")
for tool in dpkg-source dpkg-parsechangelog lintian git; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 || skip "$source_dir is not a git checkout"

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
"$source_dir/packaging/copy-source.sh" "$scratch/velorin-$version"
cd "$scratch"
dpkg-source --build "velorin-$version" >dpkg-source.log 2>&1 || { cat dpkg-source.log; fail "dpkg-source failed"; }
dsc=velorin_$version.dsc
[ -f "$dsc" ] || fail "dpkg-source made no $dsc"
lintian --pedantic --fail-on error,warning,pedantic "$dsc" || fail "lintian found the tags above in the source package"
