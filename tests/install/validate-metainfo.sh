#!/bin/bash
# The installed metainfo passes appstreamcli's validation.
#   validate-metainfo.sh PREFIX
source "$(dirname "$0")/lib.sh"
command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"
appstreamcli validate --no-net "$1/share/metainfo/example.velorin.velorin.metainfo.xml" \
    || fail "appstreamcli does not accept the metainfo"
