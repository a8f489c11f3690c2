#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# A picture of the Windows program's main window under Wine, in a small virtual desktop of
# Wine's own (which draws the window's frame), on a virtual X display, in the Wine prefix of the
# caller's own. Usage: windows_screenshot.sh PATH/TO/TunewellApp.exe OUTPUT.png
set -euo pipefail
if [ "${SCREENSHOTS_UNDER_XVFB:-}" != "$0" ]; then
    export SCREENSHOTS_UNDER_XVFB=$0
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
trap 'wineserver --kill' EXIT # Wine's programs end before their display does
wine explorer /desktop=Tunewell,560x440 "$1" &
timeout 60 xdotool search --sync --onlyvisible --name '^Tunewell v1.0$' >/dev/null
import -window "$(xdotool search --name '^Tunewell - Wine desktop$')" "$2"
echo "$2"
