#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# The Windows program as a user meets it, under Wine on an X display: installed by its setup
# program, started, started again, closed, killed, and uninstalled, one row each, in the Wine
# prefix of the caller's own. Each row does its part, then checks what must hold afterwards.
# Usage: windows.sh path/to/Tunewell-1.0-setup.exe
set -euo pipefail
: "${WINEPREFIX:?a Wine prefix of this run's own, never the user's}"
setup=$(realpath "$1")
entry_texts=$(realpath "$(dirname "$0")/texts/windows-entry.txt")
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
folder=$(winepath -u 'C:\Program Files\Tunewell')
app=$folder/TunewellApp.exe
shortcut=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Tunewell.lnk')
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tunewell'
setting='HKCU\Software\Tunewell\TunewellApp\Settings'
lock=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\Tunewell\TunewellApp")

fail() { echo "FAIL: $name: $*"; exit 1; }
reg() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
files() { find "$folder" | sort; }
dated() { reg "$setting" /v Duration | grep -Eq 'REG_SZ +20[0-9-]{8}T[0-9:]{8}$'; }
# Whether every line of the file $1 stands in the input; those that do not are printed.
all_of() { ! grep -vxFf /dev/stdin "$1"; }
# Prints the id of a visible window titled $1, other than $2, as soon as there is one.
window() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -m1 -vx "${2:-}" && return
        sleep 0.1
    done
    return 1
}
# Starts the program, which must show its main window, in Qt's Windows style.
start() {
    wine "$app" & pid=$!
    main=$(window 'Tunewell v1.0') || fail "no main window"
    grep -q qwindowsvistastyle.dll "/proc/$pid/maps" || fail "not in the Windows style"
}
# Leaves as a user does: Alt+X on the main window, then Exit on the farewell window.
leave() {
    xdotool windowfocus --sync "$main" key alt+x
    local farewell && farewell=$(window 'Tunewell v1.0' "$main") || fail "no farewell window"
    xdotool windowfocus --sync "$farewell" key Return
    wait "$pid" || fail "the program ended with an error"
}
second_start() {
    start
    wine "$app" & local second=$!
    local box && box=$(window Tunewell) || fail "no 'already running' message"
    xdotool windowfocus --sync "$box" key Return
    wait "$second" || fail "the second start ended with an error"
    kill -0 "$pid" || fail "the first did not survive"
}
# Ends the program as a crash would (its status, of a kill, is no fault), its lock left behind.
crash() {
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || [ -e "$lock/TunewellApp.lock" ] || fail "no lock left behind"
}
# Links go to a browser that hands the address it is given to opened, which waits for it.
browser() {
    mkfifo "$work/opened"
    printf '#!/bin/sh\necho "$1" >%s\n' "$work/opened" >"$work/browser" && chmod +x "$work/browser"
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser" /f >/dev/null
}
opened() { [ "$(timeout 30 cat "$work/opened")" = "$1" ]; }

# Rows: name | what the user does | what must hold then. A row goes on after a '\'.
while IFS= read -r row; do
    while [[ $row == *\\ ]] && IFS= read -r more; do row=${row%\\}$more; done
    IFS='|' read -r name does check <<<"$row"
    read -r name <<<"$name" # without the spaces before the "|"
    echo "$name"
    eval "$does"
    eval "$check" || fail "$check"
done <<'ROWS'
installed silently: program, shortcut, the Apps & features entry \
    | wine "$setup" /S; files >"$work/files" \
    | [ -f "$app" ] && [ -f "$shortcut" ] && reg "$entry" | all_of "$entry_texts" \
    && reg "$entry" /v EstimatedSize | grep -Eq 'REG_DWORD +0x[0-9a-f]{4,}$' # 4 MiB and more
first start: the main window, Windows style, its date in the registry, nothing written beside it \
    | start; leave | dated && files | cmp - "$work/files"
a value of another type in the registry counts as none: nothing asked, the date recorded \
    | wine reg add "$setting" /v Duration /t REG_DWORD /d 1 /f >/dev/null; start; leave | dated
a second start says it is already running, and the first goes on | second_start; leave
a link reaches the browser, Donate by its access key \
    | browser; start; xdotool windowfocus --sync "$main" key alt+d; leave \
    | opened http://help.lantern.example/donate.html
a lock left by a killed instance does not block the next start \
    | start; crash; start; leave
uninstalled silently: nothing left but the user's own setting \
    | wine "$folder/Uninstall.exe" /S; wineserver --wait \
    | [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && ! reg "$entry" >/dev/null \
    && reg "$setting" >/dev/null
ROWS
