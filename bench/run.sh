#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and its benchmarks in Release (in build-bench/) and prints the tables:
# start-up and closing beside a bare Qt window, and the operations a person repeats beside an
# earlier commit's (64c059b, or $QUILLANE_BENCH_BASELINE), on catalogues of 10,000 to 1,000,000
# records. Needs an X server; without one it starts its own (Xvfb). Closing after a copy
# empties the clipboard.
#   bench/run.sh [start-up rounds] [operation rounds]      (15 and 5 when not given)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench

# The earlier commit, from git, with this benchmark's own measuring source in place of its own,
# so that both programs are measured alike; only that program is built.
baseline=${QUILLANE_BENCH_BASELINE:-64c059b}
baseline_source=build-bench/baseline-$baseline
if [ ! -d "$baseline_source" ]; then
    mkdir -p "$baseline_source.partial"
    git archive "$baseline" | tar -x -C "$baseline_source.partial"
    mv "$baseline_source.partial" "$baseline_source"
fi
cp bench/operations.cpp bench/BenchData.cpp bench/BenchData.h bench/Medians.h "$baseline_source/bench/"
cmake -S "$baseline_source" -B "$baseline_source/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$baseline_source/build" --target bench_operations
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export QT_QPA_PLATFORM=xcb

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(uname -m), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
echo
build-bench/bench/bench_startup build-bench/bin build-bench/bench/bench_bare_window "${1:-15}"
echo
build-bench/bench/bench_compare_operations build-bench/bench/bench_operations \
    "$baseline_source/build/bench/bench_operations" "$baseline" "${2:-5}"
