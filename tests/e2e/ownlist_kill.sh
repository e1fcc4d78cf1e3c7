#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program killed (SIGKILL) at random moments just after a person clicked "adicionar"
# or "remover" in its window, round after round, each round starting from what the last kill
# left. After each kill custom.bra holds the list as it was before the change or as the change
# made it: never a mixture, never fewer records than both. Prints the kills and the moments
# they fell at.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
export LC_ALL=C
rounds=40

copy_program "$bin_dir"
own_list=$program_folder/custom.bra
temporary=$program_folder/custom.tmp
before=$(mktemp)
after=$(mktemp)
trap 'cleanup; rm -f "$before" "$after"' EXIT
holds() { cat "$own_list" 2>/dev/null | cmp -s - "$1"; }

# press_and_kill X Y: presses the picture at that place of the panel and kills the program 0 to
# 9.9 ms after the button goes down, racing the change it sets off.
press_and_kill() {
    point_panel "$@"
    (sleep "0.00$((RANDOM % 10))$((RANDOM % 10))" && kill -KILL "$pid") &
    xdotool click 1
    wait_until 10 program_ended || fail "the program outlived its kill"
}

declare -A moments
for round in $(seq "$rounds"); do
    cat "$own_list" >"$before" 2>/dev/null || : >"$before"
    launch_program
    disown "$pid" # its kill is expected: no word from the shell about it
    open_own_list_editor
    records=$(($(stat -c %s "$before") / 50))
    if [ "$records" -lt 2 ] || { [ "$records" -lt 8 ] && [ $((RANDOM % 2)) -eq 0 ]; }; then
        change=addition
        { cat "$before" && record "Gato $round" '=^.^='; } >"$after"
        add_to_own_list "Gato $round" '=^.^=' press_and_kill
    else
        change=removal
        tail -c +51 "$before" >"$after"
        remove_first_entry press_and_kill
    fi
    pid=

    if holds "$before"; then
        moment="$change killed, list as before"
        # One this removal made, not one an earlier kill left.
        if [ "$change" = removal ] && [ "$temporary" -nt "$before" ]; then
            moment="$moment, custom.tmp of $(stat -c %s "$temporary") bytes left"
        fi
    elif holds "$after"; then
        moment="$change killed, list as after"
    else
        fail "round $round: a kill after the $change left custom.bra of" \
            "$(stat -c %s "$own_list" 2>/dev/null || echo no) bytes"
    fi
    moments[$moment]=$((${moments[$moment]:-0} + 1))
done

echo "$rounds kills at ${#moments[@]} distinct moments; no list lost or mixed"
for moment in "${!moments[@]}"; do printf '%4d  %s\n' "${moments[$moment]}" "$moment"; done |
    sort -k2
