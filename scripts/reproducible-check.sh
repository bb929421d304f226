#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package twice, in two folders of different names and depths, with different
# time zones, locales and umasks, and compares the packages byte for byte. Exits non-zero when
# any differs. scripts/reproducible-check.sh [WORK_DIR]   (default: a temporary folder)
set -euo pipefail
cd "$(dirname "$0")/.."

work=${1:-$(mktemp -d "${TMPDIR:-/tmp}/quorvane-repro.XXXXXX")}
mkdir -p "$work"
work=$(realpath "$work")
# The tests do not change what is packaged; leaving them out halves the time.
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck parallel=2}"

build() {
  local out=$1 name=$2 tz=$3 locale=$4 mask=$5
  echo "== building in $out/$name (TZ=$tz, LC_ALL=$locale, umask $mask)"
  (umask "$mask" && TZ=$tz LC_ALL=$locale nice -n 10 scripts/build-package.sh "$out" "$name") \
    >"$out.log" 2>&1 || { tail -n 40 "$out.log"; echo "the build in $out failed"; exit 1; }
}

mkdir -p "$work/first" "$work/second/deeper/still"
build "$work/first" quorvane UTC C.UTF-8 0022
build "$work/second/deeper/still" another-name Asia/Taipei C 0002

status=0
for deb in "$work"/first/*.deb; do
  other="$work/second/deeper/still/$(basename "$deb")"
  if [ ! -f "$other" ]; then
    echo "missing in the second build: $(basename "$deb")"
    status=1
  elif cmp -s "$deb" "$other"; then
    echo "identical: $(basename "$deb") $(sha256sum <"$deb" | cut -c1-64)"
  else
    echo "DIFFERENT: $(basename "$deb")"
    if command -v diffoscope >/dev/null; then
      diffoscope "$deb" "$other" | head -n 60 || true
    else
      diff <(dpkg-deb -c "$deb" | awk '{print $1, $3, $6}') \
        <(dpkg-deb -c "$other" | awk '{print $1, $3, $6}') | head -n 30 || true
    fi
    status=1
  fi
done
[ $status -eq 0 ] && echo "the two builds gave identical packages"
exit $status
