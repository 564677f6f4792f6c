#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Strataloom (installing the missing Debian packages first) and runs
# every test: the program's own build, and the whole test suite in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/commun.sh
installer_paquets
jobs=$(nproc 2>/dev/null || echo 2)

configurer build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRATALOOM_TESTS=ON
cmake --build build -j"$jobs"

# The browser edition, built from the same engine and checked in Chromium
# against the program's own pictures and state reports.
web/tests/run.sh

configurer build-asan -DCMAKE_BUILD_TYPE=Debug -DSTRATALOOM_TESTS=ON -DSTRATALOOM_SANITIZE=ON
cmake --build build-asan -j"$jobs"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j"$jobs"
