#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
jobs="$(nproc)"
# ccache keeps the second and later builds of an unchanged file quick; these let it
# cache the files built with a precompiled header too.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer. The
# fuzzing tree is built with both already, so it builds them beside its harnesses and the
# core is compiled once for the two.
if command -v clang++ >/dev/null; then
  sanitized=build-fuzz
  ./scripts/configure-tree.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DTOVARO_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j"$jobs" --target core_tests fuzzers
else
  sanitized=build-asan
  ./scripts/configure-tree.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTOVARO_SANITIZE=ON >/dev/null
  cmake --build build-asan -j"$jobs" --target core_tests
fi
(cd "$sanitized" && ctest -j"$jobs" --output-on-failure -L core)

# A short run of every fuzzing harness, a few thousand inputs each; scripts/fuzz.sh
# SECONDS runs them long.
if command -v clang++ >/dev/null; then
  ./scripts/fuzz.sh --runs 4000
fi

./scripts/configure-tree.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
cd build
# Two at a time; the window tests share the display's keyboard focus and take turns.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest -j"$jobs" --output-on-failure
