#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# check-code.sh [BUILD_DIR]: fails on code that clang-format would change, and on what the
# checks of .clang-tidy find in every source, compiled as BUILD_DIR (default build/) compiles it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
findings=$(mktemp)
trap 'rm -f "$findings"' EXIT
if ! run-clang-tidy -j "$(nproc)" -quiet -p "$build" "$PWD/src/" "$PWD/tools/" "$PWD/tests/" "$PWD/fuzz/" \
    "$PWD/bench/" >"$findings" 2>&1; then
    grep -E -A3 '(warning|error):' "$findings" >&2
    exit 1
fi
