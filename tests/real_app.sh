#!/usr/bin/env bash
# Starts the real TunewellApp on a virtual X display, as a user would meet it: the first
# start, a second instance, a start after a killed one, and the way out through the
# farewell window. Usage: real_app.sh path/to/TunewellApp
set -euo pipefail
app=$(realpath "$1")

if [ -z "${DISPLAY:-}" ] || [ "${REAL_APP_UNDER_XVFB:-}" != 1 ]; then
    export REAL_APP_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

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

echo "first start: the main window comes up and the reminder's date is recorded"
"$app" & first=$!
main=$(window frmMain) || fail "no main window"
[ "$(xdotool getwindowname "$main")" = "Tunewell v1.0" ] || fail "main window caption"
grep -q '^Duration=' "$settings" || fail "first start recorded no date"
cp "$settings" "$home/before.conf"

echo "a second instance says so, ends, and leaves the first and the settings alone"
"$app" & second=$!
box=$(message_box) || fail "no 'already running' message"
xdotool windowfocus --sync "$box" key Return
wait "$second" || fail "the second instance ended with an error"
kill -0 "$first" || fail "the first instance did not survive"
cmp -s "$settings" "$home/before.conf" || fail "the second instance touched the settings"

echo "a lock left by a killed instance does not block the next start"
kill -9 "$first"; wait "$first" 2>/dev/null || true
"$app" & third=$!
main=$(window frmMain) || fail "no main window after a killed instance"

echo "Alt+X leaves the farewell window up, and its Exit ends the program"
xdotool windowfocus --sync "$main" key alt+x
farewell=$(window frmFarewell) || fail "no farewell window"
shown_with_role frmMain >/dev/null && fail "the main window stayed up"
xdotool windowfocus --sync "$farewell" key Return
wait "$third" || fail "the program ended with an error"
cmp -s "$settings" "$home/before.conf" || fail "ending the program changed the settings"
echo "1 passed, 0 failed"
