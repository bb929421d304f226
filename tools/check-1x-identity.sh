#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks that every picture committed at <base> (default: main) under assets/ is unchanged in the
# working tree: byte for byte, or failing that pixel for pixel (ImageMagick's compare). Run it from
# the top of the repository after regenerating the assets.
#
# Usage: tools/check-1x-identity.sh [base]
set -eu
base=${1:-main}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
same=0
pixels=0
bad=0
for f in $(git ls-tree -r --name-only "$base" -- assets | grep '\.png$'); do
    if [ ! -f "$f" ]; then
        echo "missing: $f"
        bad=$((bad + 1))
        continue
    fi
    git show "$base:$f" >"$tmp/old.png"
    if cmp -s "$tmp/old.png" "$f"; then
        same=$((same + 1))
    elif [ "$(compare -metric AE "$tmp/old.png" "$f" null: 2>&1 || true)" = "0" ]; then
        pixels=$((pixels + 1))
        echo "same pixels, other bytes: $f"
    else
        bad=$((bad + 1))
        echo "CHANGED: $f"
    fi
done
echo "$same byte-identical, $pixels pixel-identical, $bad changed or missing"
[ "$bad" -eq 0 ]
