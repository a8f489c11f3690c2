#!/usr/bin/env bash
# The real TunewellApp against a damaged or hostile machine. In every case it must start,
# show its main window and no message of its own, end cleanly, and keep any stored value
# that was sound. Usage: faults.sh path/to/TunewellApp
set -euo pipefail
app=$(realpath "$1")

if [ "${FAULTS_UNDER_XVFB:-}" != 1 ]; then
    export FAULTS_UNDER_XVFB=1
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi
source "$(dirname "$0")/x11_session.sh"

passed=0
# Runs the program once, as it is set up now, and checks its promises.
survives() {
    "$@" & local pid=$!
    window frmMain >/dev/null || fail "no main window"
    no_message_box || fail "the program showed a message of its own"
    end_cleanly "$pid"
    passed=$((passed + 1))
}
fresh_settings() { rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$(dirname "$settings")"; }

echo "the settings file cannot be read or written (a folder stands in its place)"
fresh_settings
mkdir "$settings"
survives "$app"
[ -d "$settings" ] || fail "the program removed what stood in the settings' place"

echo "the settings file is binary garbage"
fresh_settings
head -c 4096 /dev/urandom >"$settings"
survives "$app"

echo "the configuration folder is missing and cannot be created"
rm -rf "$XDG_CONFIG_HOME"
touch "$home/not-a-folder"
XDG_CONFIG_HOME=$home/not-a-folder/config survives "$app"

echo "a sound stored date, and the user's other keys, are kept"
fresh_settings
recent=$(date -d '3 days ago' +%Y-%m-%dT%H:%M:%S)
printf '[Settings]\nDuration=%s\n\n[Other]\nkept=yes\n' "$recent" >"$settings"
cp "$settings" "$home/sound.conf"
survives "$app"
cmp -s "$settings" "$home/sound.conf" || fail "a sound stored value changed: $(cat "$settings")"

echo "no browser launcher on the machine: links do nothing, and nothing breaks"
env PATH=/nonexistent "$app" & pid=$!
main=$(window frmMain) || fail "no main window without a PATH"
# Donate sits on the menu bar itself: its access key opens the page with no menu to wait for.
xdotool windowfocus --sync "$main" key alt+d alt+d
kill -0 "$pid" || fail "the program died opening a link"
no_message_box || fail "the program showed a message about the link"
end_cleanly "$pid"
passed=$((passed + 1))

echo "$passed passed, 0 failed"
