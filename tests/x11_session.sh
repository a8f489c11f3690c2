# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT

# Sourced by the tests that start the real TunewellApp: puts the calling script on a virtual X
# display of its own, gives the program a fresh home of its own (the user's settings and lock
# are never touched), and helpers to find its windows. Usage: source x11_session.sh ARGS...
if [ "${TUNEWELL_UNDER_XVFB:-}" != "$0" ]; then
    export TUNEWELL_UNDER_XVFB=$0
    exec "$(dirname "${BASH_SOURCE[0]}")/../tools/with_xvfb.sh" 1024x768 "$0" "$@"
fi
home=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$home" "$home"-*' EXIT
settings=$home/config/Tunewell/TunewellApp.conf

# A failure names the row it fails in, if any; so does any command failing unexpectedly.
fail() { echo "FAIL: ${name:+${name% }: }$*"; exit 1; }
set -E
trap 'fail "$BASH_COMMAND"' ERR

# A new home, with nothing left of the last one, not even a hidden file: the config folder
# and a private runtime folder, nothing in them; X asked for.
fresh_home() {
    rm -rf "${home:?}" "$home"-* && mkdir -m 700 "$home" && mkdir -p "$home/config/Tunewell" \
        && mkdir -m 700 "$home/runtime"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb
}
fresh_home

# Prints the id of the program's visible window whose role (its name in the code) is $1, or of
# any for "-" (under Wine, which gives no roles) but the window $2, waiting up to 20 seconds.
window() {
    local tries id
    for tries in $(seq 400); do
        for id in $(xdotool search --onlyvisible --name '^Tunewell v1.0$' 2>/dev/null || :); do
            [ "$id" != "${2:-}" ] || continue
            [ "$1" = - ] || xprop -id "$id" WM_WINDOW_ROLE | grep -q "\"$1\"" || continue
            echo "$id" && return 0
        done
        sleep 0.05
    done
    return 1
}

message_box() { timeout 20 xdotool search --sync --onlyvisible --name '^Tunewell$' | head -n 1; }
no_message_box() { ! xdotool search --onlyvisible --name '^Tunewell$' >/dev/null 2>&1; }

# Waits for the program $1 to end, 20 seconds at most, and gives its status.
ended() { timeout 20 tail --pid="$1" -s 0.1 -f /dev/null && wait "$1"; }

# Leaves the program the way a user does: Alt+X on the main window, then Exit on the
# farewell window. The program must end with no error. What the window manager reads of each
# window, whether it asks to stay above others and its frame's hints, is kept in $home-NAME.wm.
# Windows are told apart by their role, or where there is none (Wine's), $role is '-'.
end_cleanly() {
    local main farewell
    main=$(window "${role:-frmMain}") || fail "no main window to close"
    xprop -id "$main" _NET_WM_STATE _MOTIF_WM_HINTS >"$home-frmMain.wm"
    xdotool windowfocus --sync "$main" key alt+x
    farewell=$(window "${role:-frmFarewell}" "$main") || fail "no farewell window"
    xprop -id "$farewell" _NET_WM_STATE _MOTIF_WM_HINTS >"$home-frmFarewell.wm"
    eval "$(xdotool getwindowgeometry --shell "$farewell")" # where it came up: $X, $Y
    xdotool windowfocus --sync "$farewell" key Return
    ended "$1" || fail "the program did not end within 20 seconds, or ended with an error"
}
