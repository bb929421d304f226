#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a copy of this checkout, so the checkout stays clean and the
# results land in one folder: scripts/build-package.sh OUT_DIR [SOURCE_FOLDER_NAME]
# The copy holds what git tracks plus new files it does not ignore. The package's own tests (the
# unit label) run unless DEB_BUILD_OPTIONS says nocheck.
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:?usage: $0 OUT_DIR [SOURCE_FOLDER_NAME]}")
name=${2:-quorvane}
mkdir -p "$out"
rm -rf "${out:?}/$name"
mkdir "$out/$name"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
    [ -e "$f" ] && printf '%s\0' "$f"
  done | tar --null -T - -cf - | tar -xf - -C "$out/$name"
else
  tar --exclude='./build*' --exclude='./debian/build' --exclude='./debian/.debhelper' -cf - . |
    tar -xf - -C "$out/$name"
fi

profiles=()
case " ${DEB_BUILD_OPTIONS:-} " in
  *" nocheck "*) profiles=(-Pnocheck) ;;
esac
(cd "$out/$name" && dpkg-buildpackage -us -uc -b "${profiles[@]}")
ls "$out"/*.changes
