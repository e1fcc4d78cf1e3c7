#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and its benchmarks in Release (in build-bench/) and prints the tables:
# start-up and closing beside a bare Qt window, and the operations a person repeats, on
# catalogues a hundred times the shipped one. Needs an X server; without one it starts its own
# (Xvfb). Closing after a copy empties the clipboard.
#   bench/run.sh [rounds]      (start-up rounds, 15 when not given)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export QT_QPA_PLATFORM=xcb

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(uname -m), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
echo
build-bench/bench/bench_startup build-bench/bin build-bench/bench/bench_bare_window "${1:-15}"
echo
build-bench/bench/bench_operations
