#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# One window per user and program folder: a second start, while another window is in front,
# brings the running program's window forward and ends with status 0, leaving one window. After
# the first program is killed outright, leaving its lock and socket behind, a start opens
# normally.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_window_manager
start_program "$bin_dir"
first_window=$window

# Another program's window over it, active.
xmessage -geometry 600x500+0+0 'Outra janela' 2>/dev/null &
helpers+=($!)
cover=$(timeout 20 xdotool search --sync --onlyvisible --class xmessage | head -n 1)
xdotool windowactivate --sync "$cover"

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
on_top_is() { xprop -root _NET_CLIENT_LIST_STACKING | grep -q "$(printf '0x%x' "$1")\$"; }

timeout 10 "$program_folder/quillane-emoticon" || fail "the second start ended with status $?"
wait_until 10 active_is "$first_window" ||
    fail "the running window was not activated: $(xdotool getactivewindow) is active"
on_top_is "$first_window" || fail "the running window is not on top: $(xprop -root _NET_CLIENT_LIST_STACKING)"
windows=$(xdotool search --name '^Quillane Emoticon$' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows titled 'Quillane Emoticon'"
kill -0 "$pid" || fail "the running program ended"

kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=
window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1; }
wait_until 10 window_gone "$first_window" || fail "the killed program's window stays"
launch_program

# A start while the program closes, its Erro box open (it cannot write emoticon.dat, now a
# folder), waits for it to end, saying why, then opens a window of its own. A second SIGTERM
# ends the closing.
closing=$pid
rm "$program_folder/emoticon.dat" && mkdir "$program_folder/emoticon.dat"
kill -TERM "$pid"
wait_until 10 error_box_shown || fail "closing showed no Erro box"
"$program_folder/quillane-emoticon" 2>"$program_folder/waiting.log" &
pid=$!
sleep 6 # longer than a start waits for an answer
kill -0 "$pid" 2>/dev/null || fail "a start while the program was closing ended at once"
grep -q 'sendo fechado' "$program_folder/waiting.log" || fail "the waiting start said nothing"
kill -TERM "$closing"
closing_ended() { ! kill -0 "$closing" 2>/dev/null || grep -qs ') Z' "/proc/$closing/stat"; }
wait_until 10 closing_ended || fail "a second SIGTERM did not end the closing program"
wait "$closing" || fail "the closing program ended with status $?"
# It finds emoticon.dat still a folder, which it cannot read: it says so before its window opens.
close_error_box "the start that waited, on emoticon.dat"
# Searched again and again: a search fails when a window it looks at goes meanwhile.
window_shown() { xdotool search --onlyvisible --name '^Quillane Emoticon$' >/dev/null 2>&1; }
wait_until 20 window_shown || fail "the start that waited opened no window"
echo "the second start handed over; after a kill, and after a closing, a new start opened its window"
