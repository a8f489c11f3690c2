#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Pictures of every window and message a user of the Windows program meets, under Wine, each
# with the frame that Wine draws in a virtual desktop of its own, on a virtual X display, in the
# Wine prefix of the caller's own. Usage: windows_screenshots.sh BUILD_DIR QT_PREFIX OUTPUT_DIR
set -euo pipefail
if [ "${SCREENSHOTS_UNDER_XVFB:-}" != "$0" ]; then
    export SCREENSHOTS_UNDER_XVFB=$0
    exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$@"
fi
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
trap 'wineserver --kill' EXIT # Wine's programs end before their display does
build=$(realpath "$1")
mkdir -p "$3"
out=$(realpath "$3")
# Wine has no Verdana: DejaVu Sans stands in for it, as it does on Linux, so that the windows are
# laid out as their users see them, not in the math face Wine would choose. And every program of
# this prefix in one virtual desktop, the size of a small screen, read when Wine next starts.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null
wineserver --wait
# The walk through the windows, with Qt's and MinGW's libraries on its path; then, beside the
# program as it installs, what a second start says.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="Z:$2/bin;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
wine "$build/screenshots.exe" "Z:$out"
wine "$build/Tunewell/TunewellApp.exe" &
timeout 60 xdotool search --sync --onlyvisible --name '^Tunewell v1.0$' >/dev/null
wine "$build/screenshots.exe" "Z:$out" again
