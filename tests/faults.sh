#!/usr/bin/env bash
# The real TunewellApp on a virtual X display, on a sound machine and on damaged ones. Each
# row sets the machine up, runs the program one way, then checks what must hold afterwards.
# Usage: faults.sh path/to/TunewellApp
set -euo pipefail
source "$(dirname "$0")/x11_session.sh" "$@"

# The ways to run it. Each start must show the main window and no message of its own.
start() { "$@" "$app" & pid=$!; window frmMain >/dev/null || fail "no main window"; }
leave() { start; no_message_box || fail "a message of its own"; end_cleanly "$pid"; }
second_instance() {
    start; local first=$pid
    cp -r "$home/config" "$home/before"
    "$app" & local second=$!
    xdotool windowfocus --sync "$(message_box)" key Return || fail "no 'already running' message"
    wait "$second" || fail "the second instance ended with an error"
    kill -0 "$first" || fail "the first instance did not survive"
    diff -r "$home/before" "$home/config" || fail "the second instance touched the settings"
    end_cleanly "$first"
}
after_a_kill() { start; kill -9 "$pid"; wait "$pid" 2>/dev/null || true; leave; }
no_browser() {
    start env PATH=/nonexistent
    # Donate sits on the menu bar itself: its access key opens the page with no menu to wait for.
    xdotool windowfocus --sync "$(window frmMain)" key alt+d alt+d
    no_message_box || fail "a message about the link"
    end_cleanly "$pid"
}

passed=0
while IFS='|' read -r name setup how check; do
    echo "$name"
    fresh_home
    eval "$setup"
    $how
    eval "$check" || fail "$name: $check"
    passed=$((passed + 1))
done <<'ROWS'
first start: the date is recorded | : | leave | grep -q '^Duration=' "$settings"
a second instance says so and ends, the first and the settings untouched | : | second_instance | :
a lock left by a killed instance is taken over | : | after_a_kill | :
a sound date and the user's other keys are kept | printf '[Settings]\nDuration=%s\n\n[Other]\nkept=yes\n' "$(date -d '3 days ago' +%FT%T)" >"$settings"; cp "$settings" "$home/sound" | leave | cmp "$settings" "$home/sound"
a folder in the settings' place is left there | mkdir "$settings" | leave | [ -d "$settings" ]
the settings file is binary garbage | head -c 4096 /dev/urandom >"$settings" | leave | :
the config folder cannot be created | touch "$home/file"; export XDG_CONFIG_HOME=$home/file/config | leave | :
no browser on the machine: links do nothing | : | no_browser | :
ROWS
echo "$passed passed, 0 failed"
