#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every text the sources hand to the translation functions has a finished translation in every
# .ts file, and no .ts file keeps a text the sources no longer use. Run as
#   translations_complete.sh SOURCE_DIR [LUPDATE]
set -euo pipefail
source_dir=$1
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
cp "$source_dir"/translations/*.ts "$work"/
cd "$source_dir"
"$lupdate" -silent -locations none -source-language zh_CN ui assets/fruitnames.h \
    -ts "$work"/*.ts
for ts in "$work"/*.ts; do
  name=$(basename "$ts")
  if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$ts"; then
    echo "FAIL: $name has texts without a translation, or translations of texts no longer used;"
    echo "      run scripts/update-translations.sh and translate what it marks unfinished"
    status=1
  fi
  if ! diff -u "translations/$name" "$ts"; then
    echo "FAIL: translations/$name is not up to date with the sources"
    status=1
  fi
done
exit $status
