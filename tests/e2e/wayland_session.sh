#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The program in a Wayland session: weston with XWayland, run on the test's own X server, whose
# keyboard becomes weston's seat (weston's headless backend has none: no keyboard, no
# clipboard). In each row the program starts on the platform the rule chooses, as the plugin
# the process really loaded shows; a person's keys reach it through the compositor; and the code
# they copy reaches both the Wayland clipboard (wl-paste) and XWayland's (xclip).
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"
unset QT_QPA_PLATFORM # chosen below, row by row, or not at all

copy_program "$bin_dir"
export XDG_RUNTIME_DIR=$program_folder/runtime WAYLAND_DISPLAY=wayland-quillane
export XDG_SESSION_TYPE=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
log=$XDG_RUNTIME_DIR/weston.log
# --debug lets weston-debug show the scene graph: which windows are mapped, and where.
weston --backend=x11-backend.so --use-pixman --xwayland --debug --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --log="$log" 2>/dev/null &
helpers+=($!)
wait_until 20 grep -qs 'xserver listening on display' "$log" || fail "weston offers no XWayland"
xwayland=:$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$log")
# XWayland starts at its first client; the program should not be that client's race.
wait_until 20 env DISPLAY="$xwayland" xprop -root >/dev/null 2>&1 || fail "XWayland does not answer"
# The test's X server has no window manager: its keyboard goes to weston's window once given.
xdotool search --sync --class '^Weston Compositor$' windowfocus

window_is_mapped() {
    weston-debug scene-graph 2>/dev/null | grep -q "top-level window 'Quillane Emoticon'"
}
no_window_is_mapped() {
    ! window_is_mapped
}
wayland_clipboard_is() {
    [ "$(timeout 5 wl-paste --no-newline 2>/dev/null)" = "$1" ]
}

# Rows: the plugin the rule picks, the keys that copy (a messenger panel's shortcut, then
# Tab to a button and the space bar), the code they copy, and what the row changes in the
# session.
while read -r plugin keys code session; do
    env $session "$program_folder/quillane-emoticon" &
    pid=$!
    wait_until 20 window_is_mapped || fail "[$session] no window in the session"
    loaded=$(grep -o 'platforms/libq[a-z-]*\.so' "/proc/$pid/maps" | sort -u)
    [[ "$loaded" == "platforms/libq$plugin"* ]] || fail "[$session] loaded $loaded, not $plugin"
    # weston makes the new window active: the keys typed on its seat go there.
    xdotool key --delay 100 ${keys//,/ }
    wait_until 5 wayland_clipboard_is "$code" ||
        fail "[$session] wl-paste gives '$(timeout 5 wl-paste -n 2>&1)', not '$code'"
    DISPLAY=$xwayland wait_until 5 clipboard_is "$code" ||
        fail "[$session] XWayland's clipboard holds '$(DISPLAY=$xwayland xclip -o -sel c 2>&1)'"
    kill "$pid"
    wait "$pid" || true
    wait_until 10 no_window_is_mapped || fail "[$session] the window outlives the program"
    echo "[$session] $loaded: copied $code"
done <<ROWS
xcb     ctrl+y,Tab,space      :)  DISPLAY=$xwayland
wayland ctrl+a,Tab,space      :-) DISPLAY=$xwayland QT_QPA_PLATFORM=wayland
wayland ctrl+m,Tab,Tab,space  :-D -u DISPLAY
ROWS
