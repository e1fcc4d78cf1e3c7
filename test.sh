#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
