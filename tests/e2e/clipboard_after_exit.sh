#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# What was copied stays after the program ends. On an X server without a clipboard manager, an
# emoticon copied from the browse panel or a messenger panel is still pasted whole, in the forms
# the program offered, once the window is closed by its close box, by "Sair" or by SIGTERM; the
# clipboard keeper that holds it is a session of its own and holds no file. When another program
# copies, or a new start (which opens beside the keeper) does, no process of the program is left.
# With nothing copied, or the copy already replaced, none is left at once. A keeper that cannot
# start leaves the program ending well, its settings written, saying why; beside a clipboard
# manager the text stays too.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
start_window_manager
copy_program "$1"
# The keeper's standard error goes nowhere: the sanitizers report into files, checked at the end.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS=$ASAN_OPTIONS:log_path=$program_folder/sanitizer

browse() { click_panel 2000 2990 && xdotool type 'Sem rea' && click_panel 6200 4460; } # "Sem reação"
messenger() { click_client 129 13 && click_panel 5467 1627; } # Yahoo's "Legal"
replaced() { browse && expect_clipboard '(•_•)' "$row" && xclip_copies; }
xclip_copies() { echo outra | xclip -i -selection clipboard >/dev/null 2>&1; }
close_box() { xdotool mousemove --window "$window" $((WIDTH - 11)) -10 click 1; }
sigterm() { kill "$pid"; }
new_start_copies() { # its copy ends the keeper; SIGKILL then ends it, leaving nothing
    launch_program && browse && expect_clipboard '(•_•)' "$row: the new start's copy"
    kill -KILL "$pid" && { wait "$pid" 2>/dev/null || true; } && pid=
}
with_clipboard_manager() { parcellite -n >/dev/null 2>&1 & helpers+=($!); }
without_keeper() { chmod a-x "$program_folder/quillane-clipboard-keeper"; }

while read -r setting copy close kept takeover; do
    row="[$setting $copy $close]"
    $setting
    launch_program 2>"$program_folder/stderr"
    $copy
    [ "$kept" = - ] || expect_clipboard "$kept" "$row, copied"
    offered=$(xclip -o -selection clipboard -t TARGETS 2>/dev/null || true)
    $close
    [ -z "$pid" ] || ended_well "$row"
    expect_settings "$program_folder/emoticon.dat" 080003004e4e4e "$row"
    if [ "$kept" != - ]; then
        expect_clipboard "$kept" "$row, closed"
        [ "$setting" = with_clipboard_manager ] || [ "$(xclip -o -selection clipboard -t TARGETS)" = "$offered" ] ||
            fail "$row: the keeper offers $(xclip -o -selection clipboard -t TARGETS), not $offered"
        for keeper in $(program_processes); do
            sid=$(ps -o sid= -p "$keeper") || continue # ended meanwhile
            [ "$sid" -eq "$keeper" ] || fail "$row: the keeper shares a session"
            [ -z "$(find "/proc/$keeper/fd" -lname '/*' ! -lname /dev/null)" ] ||
                fail "$row: the keeper holds $(ls -l "/proc/$keeper/fd")"
        done
        $takeover
    fi
    wait_until 5 none_left || fail "$row: processes $(program_processes) still run"
    [ "$setting" != without_keeper ] || grep -q 'executar.*quillane-clipboard-keeper' "$program_folder/stderr" ||
        fail "$row: the program did not say why nothing is kept: $(cat "$program_folder/stderr")"
done <<ROWS
true                   browse    close_box    (•_•) xclip_copies
true                   messenger exit_by_menu B-)   new_start_copies
true                   browse    sigterm      (•_•) xclip_copies
true                   true      close_box    -     -
true                   replaced  sigterm      -     -
with_clipboard_manager messenger sigterm      B-)   xclip_copies
without_keeper         browse    exit_by_menu -     -
ROWS
! compgen -G "$program_folder/sanitizer*" >/dev/null || fail "$(cat "$program_folder"/sanitizer*)"
echo "each copy outlived the program until another copy, and then nothing of the program was left"
