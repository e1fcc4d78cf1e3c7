#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs each fuzz target of a fuzz build (cmake --preset fuzz) for a bounded time, starting from
# the seed corpus in fuzz/corpus/ and from what earlier runs in the same build kept, and prints
# per target the executions, the speed and the coverage. A crash, a broken invariant, a leak or
# an input that takes over 10 seconds is a finding: the run fails and the input is kept in
# BUILD_DIR/fuzz-findings/, to be added to the seeds once fixed.
#
#   fuzz/run.sh [BUILD_DIR [SECONDS_PER_TARGET [TARGET...]]]
#
# BUILD_DIR defaults to build-fuzz/, SECONDS_PER_TARGET to 12 (about a minute for all five).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build-fuzz}" && pwd)
seconds=${2:-12}
targets=("${@:3}")
[ ${#targets[@]} -gt 0 ] ||
    targets=(category_file own_list_file settings_file source_parser data_file_dumper)

# Qt is built without frame pointers, so the fast unwinder records a stack of garbage for each
# allocation made inside it, and AddressSanitizer keeps every distinct one: a 10-minute run grew
# by 1.5 GB and slowed fourfold. The allocating function alone is kept (a finding's own stack
# is still unwound in full; rerun its input with ASAN_OPTIONS= for the allocation's).
export ASAN_OPTIONS=${ASAN_OPTIONS-malloc_context_size=1}

findings=$build/fuzz-findings
mkdir -p "$findings"
status=0
printf '%-17s %11s %7s %5s %8s %7s  %s\n' target executions exec/s cov features corpus result
for target in "${targets[@]}"; do
    corpus=$build/fuzz-corpus/$target
    log=$build/fuzz-$target.log
    mkdir -p "$corpus"
    result=clean
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$corpus" "$here/corpus/$target" >"$log" 2>&1 || { result="FINDING, see $log"; status=1; }
    # The last progress line carries the coverage: "#N ... cov: C ft: F corp: U/SIZE ...".
    progress=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    field() { sed -n "s/.* $1: \\([0-9]*\\).*/\\1/p" <<<"$progress"; }
    printf '%-17s %11s %7s %5s %8s %7s  %s\n' "$target" \
        "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")" \
        "$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")" \
        "$(field cov)" "$(field ft)" "$(field corp)" "$result"
done
exit $status
