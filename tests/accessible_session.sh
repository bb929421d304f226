#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs accessibility event tests where Qt hands the events on to assistive technology: an X
# display of their own and a session bus whose accessibility bus is switched on.
#   accessible_session.sh path/to/tests GTEST_FILTER
set -eu
tests="$1"
filter="$2"
displayfile=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$displayfile"' EXIT
i=0
while [ ! -s "$displayfile" ] && [ "$i" -lt 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
export DISPLAY=":$(cat "$displayfile")"
export QT_QPA_PLATFORM=xcb
dbus-run-session -- sh -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null
    exec "$0" --gtest_filter="$1"' "$tests" "$filter"
