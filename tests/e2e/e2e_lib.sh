# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers for the end-to-end tests: the real program, started from a copy of its folder on the
# X server in DISPLAY (CTest runs each script under x_server.sh), driven as a person would with
# xdotool. Every wait is on a condition, with a time limit.
export QT_QPA_PLATFORM=xcb
# The scale the program is drawn at (QT_SCALE_FACTOR, whole numbers only). Places below are
# given as at 100 % and scaled.
scale=${QT_SCALE_FACTOR:-1}

# Root reads and writes every file whatever its modes: a program started through
# "${without_file_rights[@]}" gives up the capabilities that let it.
without_file_rights=()
[ "$(id -u)" -ne 0 ] ||
    without_file_rights=(setpriv --bounding-set=-dac_override,-dac_read_search,-fowner --)

program_folder=
pid=
window=
helpers=() # further processes the test started: the window manager, a covering window
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    for helper in "${helpers[@]}"; do kill "$helper" 2>/dev/null || true; done
    if [ -n "$program_folder" ]; then
        kill $(program_processes) 2>/dev/null || true
        rm -rf "$program_folder"
    fi
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

# copy_program BIN_DIR [FOLDER]: copies the built program folder to program_folder, FOLDER or a
# new temporary one, without the files that runs of the program in the build folder (./run.sh)
# may have left there.
copy_program() {
    program_folder=${2:-$(mktemp -d)}
    cp -r "$1"/. "$program_folder"
    rm -f "$program_folder"/{custom.bra,custom.tmp,emoticon.dat}
}

# launch_program [COMMAND...]: starts the program (by default the one in program_folder). Sets
# pid, window and the window's client area origin (client_x, client_y).
launch_program() {
    [ $# -gt 0 ] || set -- "$program_folder/quillane-emoticon"
    "$@" &
    pid=$!
    find_window
}

# find_window: waits for the window of the program started; sets what launch_program sets.
find_window() {
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane Emoticon$' | head -n 1)
    [ -n "$window" ] || fail "no window titled 'Quillane Emoticon'"
    # xwininfo's place holds with a window manager's frame too, which xdotool counts twice.
    eval "$(xwininfo -id "$window" | awk -F': *' '/Absolute upper-left X/ {print "X=" $2}
        /Absolute upper-left Y/ {print "Y=" $2} /Width/ {print "WIDTH=" $2} /Height/ {print "HEIGHT=" $2}')"
    # The client area (481 x 368 at 100 %) lies under the menu bar, at the bottom of the window.
    client_x=$X
    client_y=$((Y + HEIGHT - 368 * scale))
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
    point_panel "$@"
    xdotool click 1
}

# click_client X Y: clicks at a place of the client area, in pixels at 100 %; a negative Y is
# in the menu bar above it.
click_client() {
    point_client "$@"
    xdotool click 1
}

# double_click_panel X Y: a double-click there, as quick as a person's.
double_click_panel() {
    point_panel "$@"
    xdotool click --repeat 2 --delay 80 1
}

# point_panel X Y, point_client X Y: move the pointer there without clicking, for a test that
# times the press itself.
point_panel() {
    point_client $(((120 + $1) / 15)) $(((600 + $2) / 15))
}
point_client() {
    xdotool mousemove --sync $((client_x + scale * $1)) $((client_y + scale * $2))
}

clipboard_is() {
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

# expect_clipboard TEXT WHAT: waits for the clipboard to hold TEXT, after WHAT was done.
expect_clipboard() {
    wait_until 10 clipboard_is "$1" ||
        fail "$2: clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)', not '$1'"
}

# representation BIN_DIR FILE N: the emoticon of the Nth record of a category file.
representation() {
    "$1/quillane-catalogue" dump "$1/$2" | grep -v '^#' | sed -n "$3p" | cut -f2
}

# program_processes: the PIDs of the processes that run a program of program_folder (the program,
# its clipboard keeper); one that has ended, but is not reaped yet, runs none.
program_processes() {
    local process
    for process in /proc/[0-9]*; do
        [[ "$(readlink "$process/exe" 2>/dev/null)" != "$program_folder"/* ]] || echo "${process#/proc/}"
    done
}
none_left() { [ -z "$(program_processes)" ]; }

program_ended() {
    ! kill -0 "$pid" 2>/dev/null || grep -qs ') Z' "/proc/$pid/stat"
}

# ended_well WHAT: waits for the program to end, after WHAT, with status 0.
ended_well() {
    wait_until 10 program_ended || fail "$1: the program did not end"
    wait "$pid" || fail "$1: the program ended with status $?"
    pid=
}

# exit_by_menu: "Sair", the last entry of the first menu; returns once the program has ended
# with status 0.
exit_by_menu() {
    click_client 20 -8
    xdotool key Up Return
    ended_well "'Sair'"
}

# open_own_list_editor: Toolbar1's second button, "Configurar Sua Própria Lista", which
# prepares the editor.
open_own_list_editor() { click_client 50 13; }

# add_to_own_list NAME REPRESENTATION [PRESS]: types both into the own-list editor's boxes and
# clicks "adicionar", or has PRESS (a command given the picture's place, X Y) press it.
add_to_own_list() {
    click_panel 1500 4450 # txtOwnListEmoticonName
    xdotool type "$1"
    click_panel 5200 4270 # txtOwnListRepresentation
    xdotool type "$2"
    "${3:-click_panel}" 3435 1440 # imgOwnListAdd
}

# remove_first_entry [PRESS]: selects the first entry of the own list and clicks "remover", or
# has PRESS (a command given the picture's place, X Y) press it.
remove_first_entry() {
    click_panel 4500 1320 # the first entry of lstOwnListCustom
    "${1:-click_panel}" 3435 2280 # imgOwnListRemove
}

# record NAME REPRESENTATION: a 50-byte record, each text blank-padded (by bytes) to its field.
record() { LC_ALL=C printf '%-35s%-15s' "$1" "$2"; }

error_box_shown() { error_box=$(xdotool search --onlyvisible --name '^Erro$' | head -n 1); }
error_box_gone() { ! xdotool search --onlyvisible --name '^Erro$' >/dev/null; }
# dismiss_box WINDOW: Enter in a message box, its OK. Keys go to the window under the pointer
# when no window manager gives focus.
dismiss_box() { xdotool mousemove --sync --window "$1" 20 20 key Return; }
# close_error_box WHAT: waits for an "Erro" box, shown after WHAT, and closes it by OK.
close_error_box() {
    wait_until 20 error_box_shown || fail "$1: no Erro box"
    dismiss_box "$error_box"
    wait_until 10 error_box_gone || fail "$1: the Erro box did not close"
}

# file_has_bytes FILE SIZE
file_has_bytes() {
    [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ]
}

# expect_settings FILE HEX [WHAT]: emoticon.dat holds exactly these bytes (after WHAT).
expect_settings() {
    local held
    held=$(od -An -tx1 "$1" 2>&1 | tr -d ' \n')
    [ "$held" = "$2" ] || fail "${3:+$3: }$1 holds $held, not $2"
}

# start_window_manager: a window manager on the X server, for what only one does (Alt+F4,
# the always-on-top layer); returns once it manages the screen.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    helpers+=($!)
    wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "no window manager"
}
