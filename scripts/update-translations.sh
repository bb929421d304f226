#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings translations/*.ts up to date with the texts in the sources: new texts come in unfinished,
# texts no longer used go. Translate the unfinished ones (Qt Linguist, or any editor), then build.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -silent -locations none -no-obsolete -source-language zh_CN ui assets/fruitnames.h \
    -ts translations/quorvane_*.ts
