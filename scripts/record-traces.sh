#!/usr/bin/env bash
# Records what `tovaro-cli trace` prints for every line of tests/data/traces/words.txt,
# against the angle files kept beside it (copies, so that reshaping the shipped hands
# does not move these traces), into tests/data/traces/expected.txt, or into the file
# given second. The golden-trace test records into a scratch file and compares; record
# into expected.txt only when a change to the traces is intended.
set -euo pipefail
cli="$(realpath "${1:-build/tovaro-cli}")"
out="$(realpath -m "${2:-tests/data/traces/expected.txt}")"
cd "$(dirname "$0")/.."
dir=tests/data/traces
table_of_system() {
  case "$1" in
    0) echo PositionBSL.csv ;; 1) echo PositionINA.csv ;; 2|3) echo PositionASL.csv ;;
    4) echo PositionJSL.csv ;; 5) echo PositionKSL.csv ;;
    6) if [ "$2" = 41 ]; then echo PositionKSL.csv; else echo PositionJSL.csv; fi ;;
  esac
}
{
  grep -v '^#' "$dir/words.txt" | while IFS='|' read -r system base roman speed text; do
    args=(trace --system "$system" --angles "$dir/$(table_of_system "$system" "$base")"
          --speed "$speed" --numeral-base "$base")
    [ "$roman" = 1 ] && args+=(--roman)
    echo "== $system|$base|$roman|$speed|$text"
    set +e
    "$cli" "${args[@]}" -- "$text" 2>&1
    echo "exit $?"
    set -e
  done
} > "$out"
