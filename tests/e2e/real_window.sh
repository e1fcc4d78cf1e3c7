#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real window, as a person uses it: it opens titled and sized; a category
# is chosen with the keyboard and an emoticon copied; a list scrolled to its end and refilled
# opens at its first entry, the right button selects nothing, and Ctrl+C and Enter in the
# focused list copy the emoticon, never its name; a messenger button copies its code; "Sair"
# closes the program, which leaves emoticon.dat holding the always-on-top choice, off. Run at
# 200 % too (QT_SCALE_FACTOR=2), where the window doubles as a whole.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_program "$bin_dir"
[ "$WIDTH" -eq $((481 * scale)) ] || fail "window is $WIDTH pixels wide, not $((481 * scale))"
[ "$HEIGHT" -gt $((368 * scale)) ] || fail "window is $HEIGHT pixels high: no room for the menu bar"

# Into the search box, on to the category selector, and "ANIMAIS", the second entry. Then back
# over the search box into the list, where the first arrow key selects the entry the focus
# marks and the second the next one.
click_panel 2000 2990
xdotool key Tab Home Down shift+Tab shift+Tab Down Down
second_animal=$(representation "$bin_dir" animals.bra 2)
[ -n "$second_animal" ] || fail "no second animal in the catalogue"

click_panel 6200 4460 # "COPIAR PARA A MEMÓRIA"
expect_clipboard "$second_animal" "copying the second animal"

# PROFISSÃO, the fifth entry, scrolled to its end by the wheel; then CELEBRIDADES, the one above.
click_panel 2000 2990
xdotool key Tab Home Down Down Down Down
point_panel 1800 2000
xdotool click --repeat 30 --delay 20 5
click_panel 2000 2990
xdotool key Tab Up
click_panel 1800 1400 # the entry at the top of the list
xdotool key ctrl+c
expect_clipboard "$(representation "$bin_dir" celebrit.bra 1)" "Ctrl+C on the top entry"
# The right button on an entry further down; Down then goes on from the selected entry.
point_panel 1800 2700
xdotool click 3 key Down Return
expect_clipboard "$(representation "$bin_dir" celebrit.bra 2)" "Enter after a right-click"

# Toolbar2's third button shows the Yahoo panel; its first row's last button, "Legal", copies B-).
click_client 129 13
click_panel 5467 1627
expect_clipboard 'B-)' "the Yahoo button 'Legal'"

# No emoticon.dat before the run: it is created, and closing writes "NNN" into it.
exit_by_menu
expect_settings "$program_folder/emoticon.dat" 080003004e4e4e
echo "copied $second_animal and B-), and emoticon.dat holds 08 00 03 00 4e 4e 4e"
