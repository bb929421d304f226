#!/usr/bin/env bash
# Builds the Debian package from an existing build, installs it with its dependencies, starts
# the installed game under Xvfb, and removes the package again. Needs root (or sudo); the test
# command runs it where it can.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/quorvane_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
trap '$sudo dpkg -r quorvane >/dev/null' EXIT

test -x /usr/bin/quorvane
test -f /usr/lib/quorvane/hit.wav
test -f /usr/lib/quorvane/help.html
test -f /usr/share/applications/com.example.Quorvane.desktop
test -f /usr/share/metainfo/com.example.Quorvane.metainfo.xml
test -f /usr/share/icons/hicolor/256x256/apps/quorvane.png
/usr/bin/quorvane --version | grep -q "^Quorvane [0-9]*\.[0-9]*\.[0-9]*$"
/usr/bin/quorvane --help | grep -q -- "--version"
appstreamcli validate --no-net /usr/share/metainfo/com.example.Quorvane.metainfo.xml >/dev/null
python3 tests/e2e/e2e.py /usr/bin/quorvane
echo "the installed package starts and plays"
