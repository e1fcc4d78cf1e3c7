#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The browse list as a person handles it: a list scrolled to its end and refilled with another
# category opens at its first entry; the right button selects nothing; in the focused list
# Ctrl+C and Enter copy the selected emoticon, never its name.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_program "$bin_dir"
# From the search box to the category selector: PROFISSÃO, the fifth entry. Its list scrolled to
# the end by the wheel, then CELEBRIDADES, the entry above.
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
