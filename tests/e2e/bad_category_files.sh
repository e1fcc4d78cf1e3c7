#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Hostile category files in a real window. Whatever lies in all.bra's place (lengths around the
# leading block, a folder, a file without read rights, a named pipe, fields of NUL, æ, Æ and
# 0x80-0x9F bytes, a million records), the program opens its window, lists what the layout
# says (the last entry, chosen with End and copied, is the last whole record; an empty list
# copies nothing), and ends normally at "Sair". What is there but cannot be read is named in one
# "Erro" box at the start and again when "TODOS" is chosen again; "COMIDAS" loads all the same.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
export LC_ALL=C # printf pads by bytes

# category_record NAME REPRESENTATION: each text ended by æ (0xE6).
category_record() { record "$1"$'\xe6' "$2"$'\xe6'; }
leading_block() { printf '%1000s' ''; }

# refusal_shown: a second window with the program's title, the message box; sets refusal.
refusal_shown() {
    refusal=$(xdotool search --onlyvisible --name '^Quillane Emoticon$' | grep -vx "$window" |
        head -n 1) || true
    [ -n "$refusal" ]
}

# check CASE LAST_REPRESENTATION [unreadable]: starts the program on the all.bra there; ends it.
check() {
    if [ -z "${3:-}" ]; then
        launch_program "${without_file_rights[@]}" "$program_folder/quillane-emoticon"
    else
        "${without_file_rights[@]}" "$program_folder/quillane-emoticon" & pid=$!
        close_error_box "$1, at the start" # the widget tests read its text
        find_window
        click_panel 2000 2990 && xdotool key Tab Home # the search box, the selector: "COMIDAS"
        click_panel 1800 1380 && click_panel 6200 4460 # its first entry, copied
        expect_clipboard "$(representation "$bin_dir" foods.bra 1)" "$1: the first of COMIDAS"
        click_panel 2000 2990 && xdotool key Tab End # "TODOS"
        close_error_box "$1, when TODOS is chosen again"
    fi
    printf 'nada copiado' | xclip -selection clipboard
    click_panel 1800 1380 # the first entry of lstGeneralEmoticons, when there is one
    xdotool key End
    click_panel 6200 4460 # "COPIAR PARA A MEMÓRIA"
    if [ -n "$2" ]; then
        expect_clipboard "$2" "$1: the last entry copied"
    else
        # Nothing selected: the copy is refused in a message box, which OK closes.
        wait_until 10 refusal_shown || fail "$1: an empty list, yet no copy refusal"
        dismiss_box "$refusal"
        clipboard_is 'nada copiado' || fail "$1: an empty list copied something"
    fi
    exit_by_menu
    echo "$1: listed as the layout says"
}

copy_program "$bin_dir"
all=$program_folder/all.bra
two_records() { leading_block; category_record Gato '=^.^='; category_record Sol '8-)'; }

for length in 0 999 1000 1049 1050 1051 1099; do
    two_records >"$all" && truncate -s "$length" "$all" # no pipe: head -c 0 ends it at once
    last=
    [ "$length" -lt 1050 ] || last='=^.^='
    check "$length bytes" "$last"
done

rm -f "$all" && mkdir "$all" && check "a folder" "" unreadable
rmdir "$all" && two_records >"$all" && chmod 000 "$all" && check "mode 000" "" unreadable
rm -f "$all" && mkfifo "$all" && check "a named pipe" "" unreadable

rm -f "$all"
{
    leading_block
    record $'##Nul#\xe6' $'#:)\xe6' | tr '#' '\0'
    head -c 50 /dev/zero
    category_record $'\xc6on\xc6' $':-)\xc6'
    record $'\x80\x81\x8d\x8f\x90\x9d\x9f\xe6' $'\x85\x99\xe6'
    printf '%50s' '' | tr ' ' $'\xe6'
    category_record $'\xdaltimo' '(^_^)'
} >"$all"
check "fields of NUL, æ, Æ and 0x80-0x9F bytes" '(^_^)'

seq 0 999999 | sed 's/.*/Emoticon &\t#&/' >"$program_folder/million.txt"
"$bin_dir/quillane-catalogue" compile -o "$all" "$program_folder/million.txt" ||
    fail "the catalogue tool did not compile a million records"
check "a million records" '#999999'
