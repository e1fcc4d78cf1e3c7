#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Quillane Emoticon and starts it. The build in build/ is the
# one ./test.sh makes and tests, so either command finds the other's work done; its tests need
# their packages at configure time too.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset default
cmake --build --preset default
exec build/bin/quillane-emoticon
