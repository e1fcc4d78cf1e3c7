#!/usr/bin/env bash
# Every shut-down writes the settings: SIGTERM, SIGINT and SIGHUP end the program as closing its
# window does, with emoticon.dat written and status 0.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
# Job control, so that the program gets SIGINT as from a terminal: a script's background jobs
# start with it ignored.
set -m

copy_program "$bin_dir"
for signal in TERM INT HUP; do
    rm -f "$program_folder/emoticon.dat"
    launch_program
    kill -s "$signal" "$pid"
    wait_until 10 program_ended || fail "SIG$signal did not end the program"
    wait "$pid" || fail "SIG$signal: the program ended with status $?"
    pid=
    settings_are "$program_folder/emoticon.dat" 080003004e4e4e ||
        fail "SIG$signal: emoticon.dat holds $(od -An -tx1 "$program_folder/emoticon.dat")"
done
echo "SIGTERM, SIGINT and SIGHUP each wrote emoticon.dat"
