#!/bin/bash
# The installed metainfo of the game and of the editor pass appstreamcli's
# pedantic validation, and their newest release is the newest entry of
# debian/changelog, with its date.
#   validate-metainfo.sh PREFIX SOURCE_DIR
source "$(dirname "$0")/lib.sh"
prefix=$1 source_dir=$2
command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"
command -v dpkg-parsechangelog >/dev/null || skip "dpkg-parsechangelog is not installed"

changelog=$source_dir/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)

for metainfo in "$prefix"/share/metainfo/example.velorin.velorin.metainfo.xml \
    "$prefix"/share/metainfo/example.velorin.editor.metainfo.xml; do
    appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli does not accept $metainfo"
    newest=$(grep -o '<release version="[^"]*" date="[^"]*"' "$metainfo" | head -n1)
    [ "$newest" = "<release version=\"$version\" date=\"$date\"" ] \
        || fail "$metainfo: the newest release is '$newest', debian/changelog says $version of $date"
done
echo "both metainfos are valid and name release $version of $date"
