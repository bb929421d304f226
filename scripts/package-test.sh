#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as a distribution would (dpkg-buildpackage), has lintian check it,
# installs it with its dependencies, starts and plays the installed game under Xvfb, and purges it
# again, checking that nothing is left. Needs root (or sudo); the test command runs it in CI.
# The package's build leaves its tests out (nocheck): the test command ran them all already.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

out=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-package.XXXXXX")
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" scripts/build-package.sh "$out" >"$out/build.log" 2>&1 ||
  { tail -n 60 "$out/build.log"; echo "dpkg-buildpackage failed"; exit 1; }
changes=$(ls "$out"/quorvane_*.changes)
deb=$(ls "$out"/quorvane_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Installed-Size Depends Recommends

echo "lintian --pedantic:"
lintian --pedantic --display-info --fail-on error,warning,info "$changes"

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
purged=false
trap '$purged || $sudo apt-get purge -y -qq quorvane >/dev/null' EXIT

app_id=io.github.quorvane.Quorvane
test -x /usr/games/quorvane
test ! -e /usr/bin/quorvane
test -f /usr/share/games/quorvane/hit.wav
test -f /usr/share/games/quorvane/help.html
test -f /usr/share/applications/$app_id.desktop
test -f /usr/share/metainfo/$app_id.metainfo.xml
test -f /usr/share/icons/hicolor/256x256/apps/$app_id.png
for f in /usr/share/doc/quorvane/copyright /usr/share/doc/quorvane/NOTICE.gz \
    /usr/share/man/man6/quorvane.6.gz; do
  dpkg -L quorvane | grep -qx "$f" || { echo "not listed by dpkg -L: $f"; exit 1; }
done
/usr/games/quorvane --version | grep -q "^Quorvane [0-9]*\.[0-9]*\.[0-9]*$"
/usr/games/quorvane --help | grep -q -- "--version"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/$app_id.metainfo.xml >/dev/null
desktop-file-validate /usr/share/applications/$app_id.desktop
python3 tests/e2e/e2e.py /usr/games/quorvane
echo "the installed package starts and plays"

$sudo apt-get purge -y -qq quorvane >/dev/null
purged=true
left=$(ls -d /usr/games/quorvane /usr/share/games/quorvane /usr/share/doc/quorvane \
  /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
  /usr/share/man/man6/quorvane.6.gz /usr/share/icons/hicolor/*/apps/$app_id.png 2>/dev/null || true)
if [ -n "$left" ]; then
  echo "left after the purge: $left"
  exit 1
fi
if dpkg-query -W quorvane >/dev/null 2>&1; then
  echo "dpkg still knows the package after the purge"
  exit 1
fi
echo "purged: nothing left"
rm -rf "$out"
