#!/bin/bash
# Installs the build tree BUILD into PREFIX afresh and makes the data folder read-only,
# as a system-wide installation is to its users.
set -euo pipefail
build=$1
prefix=$2
[ -d "$prefix" ] && chmod -R u+w "$prefix" && rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix/share/tovaro"
