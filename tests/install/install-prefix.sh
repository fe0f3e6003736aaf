#!/bin/bash
# Installs the built game into a fresh prefix for the tests that follow:
#   install-prefix.sh BUILD_DIR PREFIX
set -euo pipefail
build=$1 prefix=$2
rm -rf -- "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
