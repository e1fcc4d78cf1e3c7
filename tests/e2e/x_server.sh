#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# x_server.sh COMMAND...: runs COMMAND on a headless X server of its own, with DISPLAY set.
# Xvfb chooses a free display itself and names it once it accepts connections (-displayfd), so
# runs side by side never share one. -noreset: by default the server resets whenever its last
# client leaves, and turns away whoever connects meanwhile; the tests' short-lived xdotool and
# xprop calls made that happen to the program or the window manager now and then.
set -euo pipefail
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
server=$!
# The next test's server starts only once this one is gone: a server still shutting down while
# another takes its display number took the newcomer's connections down with it.
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$display_file"' EXIT

deadline=$((SECONDS + 20))
until [ -s "$display_file" ]; do
    kill -0 "$server" 2>/dev/null || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    [ $SECONDS -lt $deadline ] || { echo "FAIL: Xvfb names no display" >&2; exit 1; }
    sleep 0.05
done
DISPLAY=:$(head -n 1 "$display_file") "$@"
