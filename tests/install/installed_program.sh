#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# A system-wide install, used by someone who cannot write it: the launcher starts the program,
# which reads the catalogue from its install and keeps the own list and the settings in the
# user's data folder; the own list is still there after a restart.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/../e2e/e2e_lib.sh"

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"; cleanup' EXIT
prefix=$root/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

program=$prefix/lib/quillane-emoticon
listing() { find "$program" -mindepth 1 -printf '%P %s %T@\n' | sort; }
installed=$(listing)
# Run by root, who may write anywhere, the program leaves its folder as installed, once the own
# list an older version kept there has moved to the data folder.
record Gato '=^.^=' >"$program/custom.bra"
launch_program env XDG_DATA_HOME="$root/root-data" "$prefix/bin/quillane-emoticon"
open_own_list_editor
add_to_own_list 'Sol' '\o/'
wait_until 10 file_has_bytes "$root/root-data/quillane-emoticon/custom.bra" 100 ||
    fail "root's own list did not move to its data folder, or the addition did not reach it"
exit_by_menu
[ "$(listing)" = "$installed" ] ||
    fail "the program changed its folder: $(diff <(echo "$installed") <(listing))"

chmod -R a-w "$prefix"
export XDG_DATA_HOME=$root/data
user_files=$XDG_DATA_HOME/quillane-emoticon

# Root first gives up the rights that let it write whatever the file modes say.
as_the_user=()
[ "$(id -u)" -ne 0 ] || as_the_user=(setpriv --inh-caps=-dac_override,-dac_read_search,-fowner
    --bounding-set=-dac_override,-dac_read_search,-fowner --)
"${as_the_user[@]}" touch "$prefix/probe" 2>/dev/null && fail "the install can still be written"

launch_program "${as_the_user[@]}" "$prefix/bin/quillane-emoticon"
open_own_list_editor
add_to_own_list 'Gato' '=^.^='
wait_until 10 file_has_bytes "$user_files/custom.bra" 50 ||
    fail "the addition did not reach $user_files/custom.bra"
exit_by_menu
expect_settings "$user_files/emoticon.dat" 080003004e4e4e

# Started again: "LISTA PRÓPRIA", the next to last category, holds the emoticon, which copies.
launch_program "${as_the_user[@]}" "$prefix/bin/quillane-emoticon"
click_panel 2000 2990
xdotool key Tab End Up shift+Tab shift+Tab Down
click_panel 6200 4460 # "COPIAR PARA A MEMÓRIA"
wait_until 5 clipboard_is '=^.^=' ||
    fail "clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)', not '=^.^='"
exit_by_menu
echo "the own list of a read-only install lives in $user_files and survives a restart"
