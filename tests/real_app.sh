#!/usr/bin/env bash
# Starts the real TunewellApp on a virtual X display, as a user would meet it: the first
# start, a second instance, a start after a killed one, and the way out through the
# farewell window. Usage: real_app.sh path/to/TunewellApp
set -euo pipefail
app=$(realpath "$1")

if [ -z "${DISPLAY:-}" ] || [ "${REAL_APP_UNDER_XVFB:-}" != 1 ]; then
    export REAL_APP_UNDER_XVFB=1
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi

source "$(dirname "$0")/x11_session.sh"

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
end_cleanly "$third"
cmp -s "$settings" "$home/before.conf" || fail "ending the program changed the settings"
echo "1 passed, 0 failed"
