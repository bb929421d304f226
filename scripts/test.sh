#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the game and runs every test: once in a normal build with
# warnings as errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build (warnings as errors)"
cmake -S . -B build -G Ninja -DQUORVANE_WERROR=ON -DQUORVANE_BENCHMARKS=ON >/dev/null
cmake --build build -j "$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON \
    -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
echo "== tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# Installing the package changes the machine, so it runs where the machine is throwaway: in CI,
# or when asked for. It comes after the tests, which its build then leaves out.
if [ "${CI:-}" = "true" ] || [ "${QUORVANE_PACKAGE_TEST:-}" = "1" ]; then
  echo "== the Debian package: dpkg-buildpackage, lintian, installed, started and purged"
  scripts/package-test.sh
fi

echo "== all tests passed"
