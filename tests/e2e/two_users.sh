#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Two users. The other plants links to the user's private notes under the names of the user's
# files in a program folder anyone may write, and of the lock and socket in shared runtime and
# temporary folders, holding the lock: the user's window opens, the notes stay as they were.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "skipped: only root can act as two users"; exit 0; }
as_other=(setpriv --reuid=61002 --regid=61002 --clear-groups --)

machine=$(mktemp -d)
trap 'cleanup; rm -rf "$machine"' EXIT
home=$machine/home
mkdir -m 0700 "$home" && echo 'private notes' >"$home/notes.txt"
chmod 1777 "$machine" && chown -R 61001:61001 "$home"
copy_program "$bin_dir"
chown 61001 "$program_folder" && chmod 0777 "$program_folder"

socket=quillane-emoticon-$(printf %s "$home/data/quillane-emoticon" | sha256sum | cut -c1-16)
fallback=$machine/quillane-emoticon-61001
"${as_other[@]}" mkdir -m 0777 "$fallback"
for file in "$program_folder"/{custom.bra,custom.tmp,emoticon.dat} {"$machine","$fallback"}/$socket; do
    "${as_other[@]}" ln -s "$home/notes.txt" "$file"
done
"${as_other[@]}" bash -c 'umask 0; exec 3>"$0" 4>"$1"; flock 3; flock 4; exec sleep 600' \
    "$machine/$socket.lock" "$fallback/$socket.lock" &
helpers+=($!)

launch_program setpriv --reuid=61001 --regid=61001 --clear-groups -- env HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$machine" TMPDIR="$machine" \
    sh -c 'exec "$0" 2>"$HOME/errors"' "$program_folder/quillane-emoticon"
open_own_list_editor
add_to_own_list 'Gato' '=^.^='
wait_until 10 file_has_bytes "$home/data/quillane-emoticon/custom.bra" 50 ||
    fail "the addition did not reach the user's data folder"
exit_by_menu
[ "$(cat "$home/notes.txt")" = 'private notes' ] || fail "the notes hold $(cat "$home/notes.txt")"
grep -q "$fallback não é só seu" "$home/errors" || fail "nothing said of the lock"
echo "the planted links changed nothing of the user's, whose window opened"
