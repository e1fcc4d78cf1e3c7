#!/usr/bin/env bash
# Installs what is missing, builds Quillane Emoticon and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset default
cmake --build --preset default
exec build/bin/quillane-emoticon
