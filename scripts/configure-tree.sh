#!/usr/bin/env bash
# Configures a build tree for Ninja: scripts/configure-tree.sh DIR [CMAKE ARGUMENTS...].
# A tree configured earlier for another generator (Makefiles) is configured anew, since
# CMake will not switch a tree's generator.
set -euo pipefail
tree="$1"
shift
if [ -f "$tree/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$tree/CMakeCache.txt"; then
  rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
fi
exec cmake -S "$(dirname "$0")/.." -B "$tree" -G Ninja "$@"
