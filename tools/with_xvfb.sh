#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X display of its own, then takes the display down and waits
# until the server has gone, so that the next display never meets its leftover socket.
# Xvfb picks a free display number itself and reports it once it accepts connections.
# -noreset: by default an X server resets whenever its last client leaves, and drops any
# client that connects during the reset; a test that ends one program and starts the next
# would then fail at random.
# Usage: with_xvfb.sh WIDTHxHEIGHT COMMAND [ARGS...]
set -euo pipefail
size=$1
shift
work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
stop() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT

if ! read -r -t 30 number <"$work/display"; then
    echo "The virtual display did not start:" >&2
    cat "$work/log" >&2
    exit 1
fi
status=0
DISPLAY=:$number "$@" || status=$?
exit "$status"
