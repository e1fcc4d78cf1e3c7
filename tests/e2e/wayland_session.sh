#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The program in a Wayland session: weston with XWayland, on the test's X server, whose keyboard
# is weston's seat (the headless backend has no seat: no input, no clipboard). Each row starts
# the program in the session as changed by the row; it must load the platform plugin the rule
# chooses (as /proc/PID/maps shows), and keys typed through the compositor copy a code that
# wl-paste reads back, after the program has ended too (kept through XWayland by the program's
# clipboard keeper, natively by weston), until a Wayland program copies: then X programs paste
# that, and nothing of the program is left.
set -euo pipefail
source "$(dirname "$0")/e2e_lib.sh"
unset QT_QPA_PLATFORM # the rows set it, or not
copy_program "$1"
export XDG_RUNTIME_DIR=$program_folder/runtime WAYLAND_DISPLAY=wayland-quillane XDG_SESSION_TYPE=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
log=$XDG_RUNTIME_DIR/weston.log
# --debug: weston-debug shows the scene graph, and so whether the window is mapped.
weston --backend=x11-backend.so --use-pixman --xwayland --debug --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --log="$log" 2>/dev/null &
helpers+=($!)
wait_until 20 grep -qs 'xserver listening' "$log" || fail "weston offers no XWayland"
xwayland=:$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$log")
wait_until 20 env DISPLAY="$xwayland" xprop -root >/dev/null 2>&1 || fail "XWayland does not answer"
# No window manager on the test's X server: weston's window takes its keyboard once given it.
xdotool search --sync --class '^Weston Compositor$' windowfocus

windows_are() { # windows_are N: the session shows N windows of the program
    [ "$(weston-debug scene-graph 2>/dev/null | grep -c "top-level window 'Quillane Emoticon'")" = "$1" ]
}
wayland_clipboard_is() {
    [ "$(timeout 5 wl-paste --no-newline 2>/dev/null)" = "$1" ]
}
# weston passes a Wayland copy on to X only at its next exchange with XWayland, which this makes.
x_clipboard_is() {
    [ "$(DISPLAY=$xwayland timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

# Rows: the plugin, the keys (a messenger panel's shortcut, Tab to a button, the space bar), the
# code they copy, and the command, with what it changes in the session. Where no display answers
# (plugin "none"), the program says so in one line and ends with status 1.
program=$program_folder/quillane-emoticon
while read -r plugin keys code command; do
    if [ "$plugin" = none ]; then
        said=$(env $command 2>&1) && status=0 || status=$?
        [ "$status" = 1 ] && [[ "$said" = "Quillane Emoticon: não há tela onde"* && "$said" != *$'\n'* ]] ||
            fail "[$command] ended $status: $said"
        continue
    fi
    env $command &
    pid=$!
    wait_until 20 windows_are 1 || fail "[$command] no window"
    loaded=$(grep -o 'platforms/libq[a-z-]*\.so' "/proc/$pid/maps" | sort -u)
    [[ "$loaded" == "platforms/libq$plugin"* ]] || fail "[$command] loaded $loaded, not $plugin"
    xdotool key --delay 100 ${keys//,/ } # to the window weston made active
    wait_until 5 wayland_clipboard_is "$code" || fail "[$command] wl-paste: $(wl-paste -n 2>&1)"
    kill "$pid"
    wait_until 10 windows_are 0 || fail "[$command] the window outlives the program"
    wait_until 5 wayland_clipboard_is "$code" || fail "[$command] the copy went with the program"
    echo outra | wl-copy >/dev/null 2>&1
    wait_until 5 x_clipboard_is outra || fail "[$command] X programs do not paste a Wayland copy"
    wait_until 5 none_left || fail "[$command] $(program_processes) still run after another copy"
done <<ROWS
xcb     ctrl+y,Tab,space     :)  DISPLAY=$xwayland $program
xcb     ctrl+a,Tab,space     :-) DISPLAY=$xwayland QT_QPA_PLATFORM= $program
wayland ctrl+m,Tab,Tab,space :-D DISPLAY=$xwayland QT_QPA_PLATFORM=wayland $program
wayland ctrl+y,Tab,Tab,space :(  DISPLAY=$xwayland $program -platform wayland
wayland ctrl+a,Tab,Tab,space ;-) -u DISPLAY $program
xcb     ctrl+y,Tab,Tab,space :(  -u WAYLAND_DISPLAY DISPLAY=$xwayland $program
none    -                    -   -u WAYLAND_DISPLAY -u DISPLAY $program
none    -                    -   -u WAYLAND_DISPLAY DISPLAY=:9999 $program
ROWS
echo "each start loaded the chosen platform; each copy reached the Wayland clipboard, and outlived the program"
