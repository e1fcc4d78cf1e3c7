# Helpers for the end-to-end tests: the real program, started from a copy of its folder on the
# X server in DISPLAY (CTest runs each script under xvfb-run), driven as a person would with
# xdotool. Every wait is on a condition, with a time limit.
export QT_QPA_PLATFORM=xcb

program_folder=
pid=
window=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$program_folder" ] && rm -rf "$program_folder"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_program BIN_DIR: copy_program, then launch_program.
start_program() {
    copy_program "$1"
    launch_program
}

# copy_program BIN_DIR: copies the built program folder to program_folder.
copy_program() {
    program_folder=$(mktemp -d)
    cp -r "$1"/. "$program_folder"
}

# launch_program: starts the program from program_folder. Sets pid, window and the window's
# client area origin (client_x, client_y).
launch_program() {
    "$program_folder/quillane-emoticon" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane Emoticon$' | head -n 1)
    [ -n "$window" ] || fail "no window titled 'Quillane Emoticon'"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The client area (481 x 368) lies under the menu bar, at the bottom of the window.
    client_x=$X
    client_y=$((Y + HEIGHT - 368))
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# click_panel X Y: clicks at a place of the visible panel's box, given in twips as the layout
# gives it (the box lies at 120, 240 in its frame, the frame at 0, 360 in the client area).
click_panel() {
    xdotool mousemove --sync $((client_x + (120 + $1) / 15)) $((client_y + (600 + $2) / 15)) click 1
}

clipboard_is() {
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

program_ended() {
    ! kill -0 "$pid" 2>/dev/null || grep -q ') Z' "/proc/$pid/stat"
}

# start_window_manager: a window manager on the X server, for what only one does (Alt+F4,
# the always-on-top layer); returns once it manages the screen.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    trap 'kill $wm_pid 2>/dev/null; cleanup' EXIT
    wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "no window manager"
}
