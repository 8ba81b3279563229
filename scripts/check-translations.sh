#!/usr/bin/env bash
# Fails when a text of the program marked for translation has no Japanese, Korean or
# Indonesian translation: lupdate reads every source into copies of the .ts files (the
# files in the repository are left alone), and any entry it finds new, or any left
# unfinished, is listed.
# Usage: check-translations.sh LUPDATE SOURCE_DIR WORK_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$source_dir"/translations/tovaro_*.ts "$work"/
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$source_dir/src" \
  -ts "$work"/tovaro_ja.ts "$work"/tovaro_ko.ts "$work"/tovaro_id.ts
status=0
for ts in "$work"/tovaro_*.ts; do
  missing=$(grep -c 'type="unfinished"' "$ts" || true)
  if [ "$missing" -gt 0 ]; then
    echo "$(basename "$ts"): $missing text(s) without a translation:"
    grep -B2 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ *<source>/  /; s/<\/source>$//'
    status=1
  fi
done
# A translation kept for a text the program no longer has is dropped by lupdate; the
# repository's file should not carry it either.
for ts in "$source_dir"/translations/tovaro_*.ts; do
  if [ "$(grep -c '<message>' "$ts")" -gt "$(grep -c '<message>' "$work/$(basename "$ts")")" ]; then
    echo "$(basename "$ts"): holds texts the program no longer has; run ninja update_translations"
    status=1
  fi
done
exit $status
