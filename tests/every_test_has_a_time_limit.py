#!/usr/bin/env python3
"""Fails when a test of the build tree declares no time limit: a hang must fail fast, not eat the
whole run. Usage: every_test_has_a_time_limit.py BUILD_DIR"""
import json
import subprocess
import sys

listing = subprocess.run(["ctest", "--test-dir", sys.argv[1], "--show-only=json-v1"],
                         stdout=subprocess.PIPE, check=True).stdout
tests = json.loads(listing)["tests"]
unlimited = []
for test in tests:
    limits = [p["value"] for p in test.get("properties", []) if p["name"] == "TIMEOUT"]
    if not limits or float(limits[0]) <= 0:
        unlimited.append(test["name"])
print("%d tests, %d without a time limit" % (len(tests), len(unlimited)))
for name in unlimited:
    print("  no TIMEOUT:", name)
sys.exit(1 if unlimited or not tests else 0)
