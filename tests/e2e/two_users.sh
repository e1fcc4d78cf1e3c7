#!/usr/bin/env bash
# Two users on one machine. The other user plants links to the user's private notes under the
# names of the user's files in a program folder anyone may write, and under the user's socket's
# name in a runtime folder anyone may write and in the temporary one, where they hold the lock
# too. The user's start opens its window all the same, says that it runs without a lock, and
# its addition and close change nothing of the notes.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "skipped: only root can act as two users"; exit 0; }
user=61001
other=61002
as_user=(setpriv --reuid=$user --regid=$user --clear-groups --)
as_other=(setpriv --reuid=$other --regid=$other --clear-groups --)

machine=$(mktemp -d)
trap 'cleanup; rm -rf "$machine"' EXIT
chmod 0755 "$machine"
home=$machine/home
mkdir -m 0700 "$home" && echo 'private notes' >"$home/notes.txt" && chmod 0600 "$home/notes.txt"
chown -R $user:$user "$home"
copy_program "$bin_dir"
chown $user:$user "$program_folder" && chmod 0777 "$program_folder"
runtime=$machine/runtime
temporary=$machine/tmp
mkdir -m 1777 "$runtime" "$temporary"

# The other user's doing, under the names the user's start will look for.
socket=quillane-emoticon-$(printf %s "$home/data/quillane-emoticon" | sha256sum | cut -c1-16)
fallback=$temporary/quillane-emoticon-$user
"${as_other[@]}" mkdir -m 0777 "$fallback"
for file in "$program_folder"/{custom.bra,custom.tmp,emoticon.dat} {"$runtime","$fallback"}/$socket; do
    "${as_other[@]}" ln -s "$home/notes.txt" "$file"
done
"${as_other[@]}" bash -c 'umask 0; exec 3>"$0" 4>"$1"; flock 3; flock 4; exec sleep 600' \
    "$runtime/$socket.lock" "$fallback/$socket.lock" &
helpers+=($!)

launch_program "${as_user[@]}" env HOME="$home" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$runtime" TMPDIR="$temporary" \
    sh -c 'exec "$0" 2>"$HOME/errors"' "$program_folder/quillane-emoticon"
click_client 50 13
add_to_own_list 'Gato' '=^.^='
wait_until 10 file_has_bytes "$home/data/quillane-emoticon/custom.bra" 50 ||
    fail "the addition did not reach the user's data folder"
exit_by_menu

[ "$(cat "$home/notes.txt")" = 'private notes' ] || fail "the notes hold $(od -c "$home/notes.txt")"
settings_are "$home/data/quillane-emoticon/emoticon.dat" 080003004e4e4e || fail "no emoticon.dat"
grep -q "$fallback não é só seu" "$home/errors" || fail "nothing said of the lock: $(cat "$home/errors")"
echo "the planted links changed nothing of the user's, whose window opened"
