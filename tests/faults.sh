#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# The real TunewellApp on a virtual X display, on a sound machine and on damaged ones. Each
# row sets the machine up, runs the program one way, then checks what must hold afterwards.
# Usage: faults.sh path/to/TunewellApp
set -euo pipefail
source "$(dirname "$0")/x11_session.sh" "$@"
built=$(realpath "$1")

# The ways to run it. Each start must show the main window and no message of its own.
start() { $as "$app" & pid=$!; window frmMain >/dev/null || fail "no main window"; }
# Runs the program as an ordinary user, for whom file permissions hold: a copy in the home,
# since the build folder may lie where only its owner may enter.
nobody() {
    cp -p "$built" "$home/TunewellApp" && app=$home/TunewellApp
    chmod 755 "$home"; chown -R 65534:65534 "$home"; as=$user
}
# Starts, presses $press on the main window if a row asks (Alt+D twice: Donate sits on the menu
# bar itself, its access key opens the page with no menu to wait for), and leaves.
leave() {
    start
    [ -z "$press" ] || xdotool windowfocus --sync "$(window frmMain)" key $press
    no_message_box || fail "a message of its own"
    end_cleanly "$pid"
}
# The first instance holds its lock where it should; aged an hour, it is not broken either.
second_instance() {
    start; local first=$pid
    [ -s "$lock" ] || fail "no lock in $lock"
    aged "$lock" '1 hour'
    cp -r "$home/config" "$home/before"
    $as "$app" & local second=$!
    local box && box=$(message_box) || fail "no 'already running' message"
    xdotool windowfocus --sync "$box" key Return
    ended "$second" || fail "the second instance did not end, or ended with an error"
    kill -0 "$first" || fail "the first instance did not survive"
    diff -r "$home/before" "$home/config" || fail "the second instance touched the settings"
    end_cleanly "$first"
}
no_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$app" 2>"$home/said" && fail "it ran"
    [ $? -eq 1 ] && [ "$(wc -l <"$home/said")" -eq 1 ] \
        && grep -q 'DISPLAY and WAYLAND_DISPLAY' "$home/said" || fail "$(cat "$home/said")"
}
after_a_kill() { start; kill -9 "$pid"; wait "$pid" 2>/dev/null || true; leave; }

# What a row sets up: a settings file of these lines, kept in $home/written as well; a lock's
# age; no usable runtime folder. What it checks: a date recorded; the file written kept aside
# whole; the file written kept as it was, nothing set aside; a window that asks the window
# manager to keep it above others; a frame of a fixed size with a close box, no minimise or
# maximise, in Motif's hints: flags 0x3 (functions and decorations given), functions 0x26 (move,
# close, resize, which the fixed size holds back; not minimise 0x8 nor maximise 0x10),
# decorations 0x1e (border, resize handles, title, window menu; not minimise 0x20 nor maximise
# 0x40).
settings() { printf '%s\n' "$@" >"$settings"; cp "$settings" "$home/written"; }
aged() { touch -d "$2 ago" "$1"; }
no_runtime() {
    export XDG_RUNTIME_DIR= TMPDIR=$home/tmp
    lock=$home/.local/share/Tunewell/TunewellApp/TunewellApp.lock
    mkdir -p -m 700 "$TMPDIR/runtime-nobody"; nobody; chown 0 "$TMPDIR/runtime-nobody"
}
dated() { grep -q '^Duration=2' "${1:-$settings}"; }
aside() { cmp "$home/written" "$settings.damaged${1:-}"; }
kept() { cmp "$home/written" "$settings" && [ ! -e "$settings.damaged" ]; }
paths() { find "$home" ! -path "$home/tmp/runtime-nobody*" | sort; } # but the one Qt makes
above() { grep -q _NET_WM_STATE_ABOVE "$home-$1.wm"; }
framed() { grep -q '^_MOTIF_WM_HINTS.* = 0x3, 0x26, 0x1e, 0x0, 0x0$' "$home-$1.wm"; }
user="setpriv --reuid=65534 --regid=65534 --clear-groups"
recent=$(date -d '3 days ago' +%FT%T) old=2020-01-01T00:00:00

# Rows: name | setup | check; each row leaves, unless its setup names another way to run in
# $how. A row too long for a line goes on after a '\'.
while IFS= read -r line; do
    while [[ $line == *\\ ]] && read -r more; do line=${line%\\}$more; done
    IFS='|' read -r name setup check <<<"$line"
    fresh_home
    app=$built lock=$home/runtime/TunewellApp.lock as= press= how=leave && unset TMPDIR
    eval "$setup"
    $how
    eval "${check:-:}" || fail "${check# }"
done <<'ROWS'
first start, killed, and again: the date recorded, the lock taken over; only the farewell window \
    stays in front, each frame with a close box, no minimise or maximise | how=after_a_kill \
    | dated && above frmFarewell && ! above frmMain && framed frmMain && framed frmFarewell
a second instance says so and ends, the first (its lock an hour old) and the settings untouched \
    | how=second_instance
hand-edited, spaces around '=', quotes, another group first, Windows line ends: used as it is \
    | settings '[Other]' 'k = "a;b"' $'[Settings]\r' "Duration = $recent"$'\r' | kept
a comment, even one holding '=': kept aside whole, a new file begun \
    | settings "; Duration=$old" '[Settings]' "Duration=$recent" | aside && dated
a header left open: kept aside, the reminder going on | settings '[Settings' "Duration=$recent" \
    | aside && dated
a file kept aside earlier is kept too | settings junk; echo earlier >"$settings.damaged" \
    | grep -qx earlier "$settings.damaged" && aside .2
over 64 KiB, though every line is sound: kept aside unread \
    | settings '[Settings]' "Duration=$recent"; printf 'k=v\n%.0s' {1..16384} >>"$settings" \
    | [ -s "$settings.damaged" ] && dated
text that is not UTF-8: kept aside | settings '[Settings]' "Duration=$recent" $'k=caf\xe9' | aside
a read-only settings file: never asked for want of a write \
    | settings '[Settings]' "Duration=$old"; nobody; chmod 444 "$settings" | kept
a read-only config folder: the same | settings '[Settings]' "Duration=$old"; nobody; \
    chmod 555 "$home/config/Tunewell" | kept
a folder in the settings lock's place: left there | mkdir "$settings.lock" | [ -d "$settings.lock" ]
a folder in the settings' place is left there, one in the lock's set aside | mkdir "$settings" \
    "$lock" | [ -d "$settings" ] && [ -d "$lock.damaged" ]
settings linked to a file elsewhere: the file used, the link kept \
    | echo '[Other]' >"$home/kept"; ln -s "$home/kept" "$settings" \
    | [ -L "$settings" ] && dated "$home/kept"
dangling links in the settings' and the lock's places: nothing created, the lock's set aside \
    | ln -s "$home/gone" "$settings"; ln -s "$home/gone" "$lock" \
    | [ -L "$settings" ] && [ ! -e "$home/gone" ] && [ -L "$lock.damaged" ]
settings linked to a device: the device untouched \
    | mknod "$home/null" c 1 3; ln -s "$home/null" "$settings" | [ -c "$home/null" ]
FIFOs in the settings' and the lock's places: no hang, the lock's set aside unopened \
    | mkfifo "$settings" "$lock" | [ -p "$settings" ] && [ -p "$lock.damaged" ]
the config folder cannot be created | touch "$home/f"; export XDG_CONFIG_HOME=$home/f/c
a relative XDG_CONFIG_HOME is ignored | mkdir "$home/cwd"; as="env -C $home/cwd XDG_CONFIG_HOME=c" \
    | [ -z "$(ls -A "$home/cwd")" ] && dated "$home/.config/Tunewell/TunewellApp.conf"
no home: nothing written | nobody; mkdir -m 777 "$home/cwd" "$home/tmp"; paths >"$home-before"; \
    unset HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR; as="$user env -C $home/cwd TMPDIR=$home/tmp" \
    | cmp <(paths) "$home-before"
an empty lock file and an empty settings lock, from a power cut, are taken over at once \
    | : >"$lock"; aged "$lock" '1 minute'; : >"$settings.lock"
a garbled lock file is taken over | head -c 64 /dev/urandom >"$lock"; aged "$lock" '1 minute'
a lock two seconds old, of an instance on another machine, is taken over \
    | printf '%s\n' 42 TunewellApp elsewhere 0123ab 45cd >"$lock"; aged "$lock" '2 seconds'
no runtime folder and Qt's fallback not ours: still one instance | no_runtime; how=second_instance
a lock folder nobody may write to: Tunewell starts all the same \
    | no_runtime; mkdir -p -m 555 "$home/.local/share/Tunewell/TunewellApp"
no browser on the machine: links do nothing | as="env PATH=/nonexistent" press="alt+d alt+d"
three times the scale on 1024x768: the farewell window's corner on screen \
    | as="env QT_SCALE_FACTOR=3" | [ "$X" -ge 0 ] && [ "$Y" -ge 0 ]
no display: one line says so, nothing written | unset QT_QPA_PLATFORM; how=no_display \
    | [ -z "$(ls -A "$home/config/Tunewell")" ]
no display, though X is asked for by name: the same | how=no_display
ROWS
