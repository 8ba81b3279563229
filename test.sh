#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
jobs="$(nproc)"

# ccache keeps the second and later builds of an unchanged file quick.
# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOVARO_SANITIZE=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build-asan -j"$jobs" --target core_tests
(cd build-asan && ctest --output-on-failure -L core)

# A short run of every fuzzing harness, a few thousand inputs each; scripts/fuzz.sh
# SECONDS runs them long.
if command -v clang++ >/dev/null; then
  ./scripts/fuzz.sh --runs 4000
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build -j"$jobs"
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure
