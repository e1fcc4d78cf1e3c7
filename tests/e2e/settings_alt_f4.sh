#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The always-on-top choice survives the run in emoticon.dat: written "yyy", the program starts
# on top of other windows; "Sempre Visível" toggled twice changes the window's layer in place;
# closed by Alt+F4 through the window manager, it writes "YYY" back.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_window_manager
copy_program "$bin_dir"
printf '\x08\x00\x03\x00yyy' >"$program_folder/emoticon.dat"
launch_program

on_top() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_on_top() { ! on_top; }
on_top || fail "the window does not stay on top: $(xprop -id "$window" _NET_WM_STATE)"

# "Sempre Visível", the second entry of "Opções", twice: the same window changes its layer (a
# window made anew would have another id).
for layer in not_on_top on_top; do
    xdotool mousemove $((X + 100)) $((Y + 9)) click 1 sleep 0.3 key Down Down Return
    wait_until 5 $layer || fail "'Sempre Visível' left the window $(xprop -id "$window" _NET_WM_STATE)"
done

# Now and then the window manager misses the keys and the program gets them instead (Qt's event
# log shows both arriving); it does nothing with them, so they go again then.
for attempt in 1 2 3; do
    xdotool windowactivate --sync "$window" key alt+F4
    ! wait_until 3 program_ended || break
done
ended_well Alt+F4

expect_settings "$program_folder/emoticon.dat" 08000300595959 Alt+F4
# SIGTERM, SIGINT and SIGHUP end it as closing the window does (a signal the program starts
# with ignored, as a script's background job does SIGINT, it leaves so).
for signal in TERM INT HUP; do
    printf '\x08\x00\x03\x00yyy' >"$program_folder/emoticon.dat"
    launch_program env --default-signal=INT,HUP "$program_folder/quillane-emoticon"
    kill -s "$signal" "$pid"
    ended_well "SIG$signal"
    expect_settings "$program_folder/emoticon.dat" 08000300595959 "SIG$signal"
done
echo "emoticon.dat holds 08 00 03 00 59 59 59 after Alt+F4, SIGTERM, SIGINT and SIGHUP"
