# Sourced by the tests that start the real TunewellApp on a virtual X display.
# Gives the program a home of its own, so the user's settings and lock are never touched,
# and helpers to find its windows. Expects $app to name the program.

home=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Tunewell/TunewellApp.conf

fail() { echo "FAIL: $*"; exit 1; }

# Prints the id of the program's visible window whose role (its name in the code) is $1.
shown_with_role() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Tunewell v1.0$' 2>/dev/null); do
        xprop -id "$id" WM_WINDOW_ROLE | grep -q "\"$1\"" && { echo "$id"; return 0; }
    done
    return 1
}

# Waits up to 20 seconds for that window to come up.
window() {
    local tries
    for tries in $(seq 400); do
        shown_with_role "$1" && return 0
        sleep 0.05
    done
    return 1
}

message_box() { timeout 20 xdotool search --sync --onlyvisible --name '^Tunewell$' | head -n 1; }
no_message_box() { ! xdotool search --onlyvisible --name '^Tunewell$' >/dev/null 2>&1; }

# Leaves the program the way a user does: Alt+X on the main window, then Exit on the
# farewell window. The program must end with no error.
end_cleanly() {
    local pid=$1 main farewell
    main=$(window frmMain) || fail "no main window to close"
    xdotool windowfocus --sync "$main" key alt+x
    farewell=$(window frmFarewell) || fail "no farewell window"
    xdotool windowfocus --sync "$farewell" key Return
    wait "$pid" || fail "the program ended with an error"
}
