#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Own-list changes that the disk refuses, in a real window: a read-only custom.bra, a folder
# without write rights and a full disk. Each refused change shows the "Erro" box, and
# custom.bra keeps the old list, with no custom.tmp left behind.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
export LC_ALL=C

# 81 records, 4050 bytes: on the full disk one more record needs a page the disk has not got.
old_list=$(mktemp)
for i in $(seq 81); do record "Gato $i" '=^.^='; done >"$old_list"
ram_disk=
finish() {
    cleanup
    if [ -n "$ram_disk" ]; then umount -l "$ram_disk" && rmdir "$ram_disk"; fi
    rm -f "$old_list"
}
trap finish EXIT

# start_editor [FOLDER]: a copy of the program (see copy_program) on a copy of the old list, its
# own-list editor open.
start_editor() {
    copy_program "$bin_dir" "$@"
    cp "$old_list" "$program_folder/custom.bra"
    launch_program "${without_file_rights[@]}" "$program_folder/quillane-emoticon"
    open_own_list_editor
}

# refused CASE CHANGE: the change just asked for shows "Erro", and OK closes it; the old list
# stays whole.
refused() {
    close_error_box "$1: $2"
    cmp -s "$old_list" "$program_folder/custom.bra" || fail "$1: $2 changed custom.bra"
    [ ! -e "$program_folder/custom.tmp" ] || fail "$1: $2 left custom.tmp behind"
    echo "$1: $2 refused, the list kept"
}

start_editor
chmod a-w "$program_folder/custom.bra"
add_to_own_list Novo ':-D'
refused "a read-only custom.bra" "an addition"
remove_first_entry
refused "a read-only custom.bra" "a removal"
exit_by_menu
rm -rf "$program_folder"

start_editor
# Taken once the program runs: a folder it cannot write at start sends its files elsewhere.
chmod a-w "$program_folder"
remove_first_entry
refused "a folder without write rights" "a removal"
exit_by_menu
chmod u+w "$program_folder"
rm -rf "$program_folder"

# A RAM disk just big enough for the program, then filled to the last byte.
ram_disk=$(mktemp -d)
size_kb=$(($(du -sk "$bin_dir" | cut -f1) + 1024))
if mount -t tmpfs -o size=${size_kb}k tmpfs "$ram_disk" 2>/dev/null; then
    start_editor "$ram_disk/program"
    dd if=/dev/zero of="$ram_disk/filler" bs=4k 2>/dev/null || true
    add_to_own_list Novo ':-D'
    refused "a full disk" "an addition"
    remove_first_entry
    refused "a full disk" "a removal"
    rm "$ram_disk/filler" # room for the settings the program writes at its end
    exit_by_menu
    program_folder=
else
    echo "a full disk: skipped, no RAM disk can be mounted here"
    rmdir "$ram_disk"
    ram_disk=
fi
