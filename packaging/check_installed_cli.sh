#!/bin/bash
# The installed tovaro-cli, started from the installed bin folder, reads every installed
# angle file and exports an MP4 through the installed module; the installed data folder
# holds the word lists and help documents too, and neither program links FFmpeg.
set -euo pipefail
prefix=$1
module="$prefix/$2"  # the MP4 writer's module, named from the prefix
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
[ -f "$module" ] || { echo "the MP4 writer's module is not installed at $module"; status=1; }
for program in tovaro tovaro-cli; do
  if ldd "$prefix/bin/$program" | grep -q libavcodec; then
    echo "the installed $program links FFmpeg, which only its MP4 writer's module should"
    status=1
  fi
done
video=$(mktemp -d)
if ! out=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tovaro-cli" export --system 2 --speed 400 \
               --angles "$data/PositionASL.csv" --size 64x48 --out "$video/word.mp4" hi 2>&1) ||
   ! [ -s "$video/word.mp4" ]; then
  echo "the installed tovaro-cli could not export an MP4: $out"
  status=1
fi
rm -rf "$video"
exit $status
