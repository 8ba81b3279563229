#!/bin/bash
# The installed tovaro-cli, started from the installed bin folder, reads every installed
# angle file; the installed data folder holds the word lists and help documents too.
set -euo pipefail
prefix=$1
data="$prefix/share/tovaro"
status=0
for name in ENGdefault.txt INAdefault.txt JSLdefault.txt KSLdefault.html RomajiDefault.txt \
            Help.mht HelpJpn.mht HelpKor.mht HelpIna.mht; do
  [ -s "$data/$name" ] || { echo "missing from the installed data: $name"; status=1; }
done
[ -w "$data" ] && [ "$(id -u)" -ne 0 ] && { echo "the installed data folder is writable"; status=1; }
for entry in ASL:1 JSL:1 KSL:1 BSL:2 INA:2; do
  table=${entry%%:*}
  hands=${entry##*:}
  if ! out=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tovaro-cli" angles --hands "$hands" \
                 "$data/Position$table.csv"); then
    echo "the installed tovaro-cli could not read the installed Position$table.csv"
    status=1
  elif ! [[ $out =~ ^SignCount\ [1-9] ]]; then
    echo "no signs in the installed Position$table.csv: $out"
    status=1
  fi
done
exit $status
