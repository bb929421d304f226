#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a test of the build tree declares no time limit: a hang must fail fast, not eat the
whole run. Also fails when a test carries none of the labels (tests/CMakeLists.txt) by which a
build picks what it can run, as `ctest -L unit` without a display.
Usage: every_test_has_a_time_limit.py BUILD_DIR"""
import json
import subprocess
import sys

listing = subprocess.run(["ctest", "--test-dir", sys.argv[1], "--show-only=json-v1"],
                         stdout=subprocess.PIPE, check=True).stdout
tests = json.loads(listing)["tests"]
KNOWN_LABELS = {"unit", "ui", "e2e", "meta", "bench"}
unlimited = []
unlabelled = []
for test in tests:
    properties = {p["name"]: p["value"] for p in test.get("properties", [])}
    limit = properties.get("TIMEOUT")
    if limit is None or float(limit) <= 0:
        unlimited.append(test["name"])
    if not KNOWN_LABELS.intersection(properties.get("LABELS", [])):
        unlabelled.append(test["name"])
print("%d tests, %d without a time limit, %d without a label" % (len(tests), len(unlimited),
                                                                 len(unlabelled)))
for name in unlimited:
    print("  no TIMEOUT:", name)
for name in unlabelled:
    print("  none of the labels %s: %s" % (", ".join(sorted(KNOWN_LABELS)), name))
sys.exit(1 if unlimited or unlabelled or not tests else 0)
