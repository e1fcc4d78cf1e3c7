#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The own list in a real window: a person adds two emoticons typed by hand (the first with a
# double-click on "adicionar", which adds once), removes the first, and closes the program;
# custom.bra then holds exactly the remaining record.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_program "$bin_dir"
own_list=$program_folder/custom.bra
open_own_list_editor

add_to_own_list 'Gato' '=^.^=' double_click_panel
wait_until 10 file_has_bytes "$own_list" 50 || fail "the first addition did not reach custom.bra"
add_to_own_list 'Sol' '\o/'
wait_until 10 file_has_bytes "$own_list" 100 || fail "the second addition did not reach custom.bra"

remove_first_entry
wait_until 10 file_has_bytes "$own_list" 50 || fail "the removal did not reach custom.bra"

exit_by_menu

cmp <(record 'Sol' '\o/') "$own_list" || fail "custom.bra holds '$(cat "$own_list")'"
[ ! -e "$program_folder/custom.tmp" ] || fail "custom.tmp was left behind"
echo "custom.bra holds the remaining record"
