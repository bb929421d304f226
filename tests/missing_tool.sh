#!/bin/sh
# SPDX-License-Identifier: MIT
# Stands in for a test whose tool is not installed. Away from CI the test is skipped (77) with a
# line that says what to install; in CI, which installs every tool, a missing one is a failure.
echo "$1 is not installed: install $2 to run this test"
if [ "${CI:-}" = "true" ]; then
  exit 1
fi
exit 77
