#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz and runs each for SECONDS seconds (default 60), starting from the
# shipped data files, hand-shape sources and a default settings file. The corpora
# grow in build-fuzz/corpus; a crash, a hang or a leak stops the run with the input
# that caused it saved in build-fuzz/findings.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
./scripts/install-deps.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DTOVARO_FUZZ=ON "${launcher[@]}"
cmake --build build-fuzz -j"$(nproc)" --target angle_data_fuzzer settings_fuzzer shape_authoring_fuzzer

seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds/angle_data" "$seeds/settings" "$seeds/shape_authoring" build-fuzz/findings
cp data/*.csv "$seeds/angle_data/"
printf 'Message, 0 \r\nLanguage, 2 \r\nEnglishFont,Times New Roman, 10 \r\nJapaneseFont,System, 10 \r\nKoreanFont,Arial Unicode MS, 12 \r\nSpeed, 100 \r\nEditable, 0 \r\n' \
  > "$seeds/settings/Tovaro.ini"
# A source and, after a NUL, the file its include reads.
for source in authoring/*.shapes; do
  { cat "$source"; printf '\0'; cat authoring/hand-states.shapes; } \
    > "$seeds/shape_authoring/$(basename "$source")"
done

status=0
for harness in angle_data settings shape_authoring; do
  corpus="build-fuzz/corpus/$harness"
  mkdir -p "$corpus"
  echo "== ${harness}_fuzzer for ${seconds} s"
  "build-fuzz/fuzz/${harness}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=16384 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/${harness}-" \
    "$corpus" "$seeds/$harness" || status=1
done
exit "$status"
