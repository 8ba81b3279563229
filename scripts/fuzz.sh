#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz and runs each from seeds made of the shipped data, the hand-shape
# sources, the help archives and the texts of the golden traces.
#
#   scripts/fuzz.sh [SECONDS] [HARNESS...]    run each harness that long (default 60);
#                                             the corpora grow in build-fuzz/corpus
#   scripts/fuzz.sh --runs N [HARNESS...]     run each harness for N inputs (./test.sh
#                                             does this with a few thousand, as a check)
#
# HARNESS is a name such as word_list or romaji; all of them when none is given.
#
# A crash, a hang or a leak stops that harness with the input that caused it saved in
# build-fuzz/findings; the script then exits 1 after trying the others.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-}" == --runs ]]; then
  limit=(-runs="${2:?--runs needs a count}")
  shift 2
else
  limit=(-max_total_time="${1:-60}")
  shift || true
  ./scripts/install-deps.sh
fi

harnesses=(angle_data settings word_list help_archive shape_authoring romaji romanized_hangul
  numbers command_line)
chosen=("$@")
[[ ${#chosen[@]} -gt 0 ]] || chosen=("${harnesses[@]}")
./scripts/configure-tree.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DTOVARO_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers

seeds="$PWD/build-fuzz/seeds"
rm -rf "$seeds"
for harness in "${harnesses[@]}"; do mkdir -p "$seeds/$harness"; done
mkdir -p build-fuzz/findings
cp data/*.csv "$seeds/angle_data/"
printf 'Message, 0 \r\nLanguage, 2 \r\nEnglishFont,Times New Roman, 10 \r\nJapaneseFont,System, 10 \r\nKoreanFont,Arial Unicode MS, 12 \r\nSpeed, 100 \r\nEditable, 0 \r\nAppearance, 1 \r\nLeftHanded, 0 \r\n' \
  > "$seeds/settings/Tovaro.ini"
cp data/*default.txt data/*default.html data/RomajiDefault.txt "$seeds/word_list/"
# A small archive of the shape the help packer writes: a page and a picture it shows.
printf '%s\r\n' 'MIME-Version: 1.0' 'Content-Type: multipart/related; boundary="b1"; type="text/html"' '' \
  '--b1' 'Content-Type: text/html; charset="utf-8"' 'Content-Location: index.html' \
  'Content-Transfer-Encoding: quoted-printable' '' '<html><head><title>Help</title></head><body>' \
  '<p>Tovaro =E2=80=94 <img src=3D"cid:p1"><a href=3D"#top">top</a></p></body></html>' \
  '--b1' 'Content-Type: image/png' 'Content-Location: pictures/a.png' 'Content-ID: <p1>' \
  'Content-Transfer-Encoding: base64' '' \
  'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4nGNgYGD4DwABBAEAHnOcQAAAAABJRU5ErkJggg==' \
  '--b1--' > "$seeds/help_archive/small.mht"
# A source and, after a NUL, the file its include reads.
for source in authoring/*.shapes; do
  { cat "$source"; printf '\0'; cat authoring/hand-states.shapes; } \
    > "$seeds/shape_authoring/$(basename "$source")"
done
# The texts of the golden traces, each where it belongs.
traces=tests/data/traces/words.txt
n=0
while IFS='|' read -r system base roman speed text; do
  n=$((n + 1))
  case "$system|$roman" in
    4\|*) printf '%s' "$text" > "$seeds/romaji/trace-$n" ;;
    5\|*) printf '%s' "$text" > "$seeds/romanized_hangul/trace-$n" ;;
    6\|*) printf '%s' "$text" > "$seeds/numbers/trace-$n" ;;
  esac
  printf 'trace\n--system\n%s\n--angles\n%s\n--speed\n%s\n--numeral-base\n%s\n%s%s' "$system" \
    "$(case $system in 0) echo PositionBSL.csv;; 1) echo PositionINA.csv;; 2|3) echo PositionASL.csv;;
       4) echo PositionJSL.csv;; *) echo PositionKSL.csv;; esac)" "$speed" "$base" \
    "$([[ $roman == 1 ]] && printf -- '--roman\n')" "$text" > "$seeds/command_line/trace-$n"
done < <(grep -v '^#' "$traces")
sed -n 's/\r$//;1,40p' data/RomajiDefault.txt | while read -r word; do
  printf '%s' "$word" > "$seeds/romaji/list-$word"
done
printf 'spell\n--system\n4\n--roman\nkyatto\n\xef\xbd\xb1' > "$seeds/command_line/spell"
printf 'angles\n--hands\n2\nPositionBSL.csv\nPositionINA.csv\n--out\nboth.csv' > "$seeds/command_line/angles"
printf 'shapes\nasl.shapes\n--out\nasl.csv' > "$seeds/command_line/shapes"
printf 'landmarks\n--angles\nPositionBSL.csv\n--hands\n2\n--sign\n3\n--frame\n1' > "$seeds/command_line/landmarks"
printf 'words\n--format\nreading\n--check\n4\nJSLdefault.txt' > "$seeds/command_line/words"
printf 'reading\n\xe6\x97\xa5\xe6\x9c\xac' > "$seeds/command_line/reading"

status=0
for harness in "${chosen[@]}"; do
  corpus="$PWD/build-fuzz/corpus/$harness"
  mkdir -p "$corpus"
  echo "== ${harness}_fuzzer ${limit[*]}"
  log="build-fuzz/${harness}.log"
  if "build-fuzz/fuzz/${harness}_fuzzer" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
      -max_len=16384 -print_final_stats=1 -artifact_prefix="$PWD/build-fuzz/findings/${harness}-" \
      "$corpus" "$seeds/$harness" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" | tr '\n' ' '
    echo
  else
    tail -n 40 "$log"
    echo "${harness}_fuzzer FAILED (full output in $log)"
    status=1
  fi
done
exit "$status"
