#!/usr/bin/env bash
# Starts the real program from a copy of its folder on the X server in DISPLAY (CTest runs
# this under xvfb-run) and checks that its window opens: titled, sized, and still alive.
set -euo pipefail
bin_dir=$1
export QT_QPA_PLATFORM=xcb

program_folder=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$program_folder"
}
trap cleanup EXIT
cp -r "$bin_dir"/. "$program_folder"

"$program_folder/quillane-emoticon" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane Emoticon$' | head -n 1)
[ -n "$window" ] || { echo "no window titled 'Quillane Emoticon'"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 481 ] || { echo "window is $WIDTH pixels wide, not 481"; exit 1; }
[ "$HEIGHT" -gt 368 ] || { echo "window is $HEIGHT pixels high: no room for the menu bar"; exit 1; }

sleep 1
kill -0 "$pid" || { echo "the program ended by itself"; exit 1; }
echo "window $window: ${WIDTH}x${HEIGHT}"
