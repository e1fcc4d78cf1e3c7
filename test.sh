#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds with warnings as errors (in build/, as ./run.sh does), checks
# the code's formatting and runs clang-tidy on it, and runs every test headless; then runs them
# all again under the address and undefined-behaviour sanitizers, and each fuzz target for 12
# seconds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${RELIABILITY_PACKAGES[@]}"
cmake --preset default
cmake --build --preset default
scripts/check-code.sh build
ctest --preset default
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
cmake --preset fuzz
cmake --build --preset fuzz
fuzz/run.sh build-fuzz 12
