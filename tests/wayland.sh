#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# The real TunewellApp as a native Wayland client of a headless Weston of its own: its main
# window comes up titled, at a fixed size, and named after the desktop entry, so that a desktop
# shows it with the entry's name and icon. Given a file name, it also saves a picture of it.
# Usage: wayland.sh path/to/TunewellApp [PICTURE.png]
set -euo pipefail
app=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
# A home of their own: the user's settings and lock are never touched.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export WAYLAND_DISPLAY=tunewell-test QT_QPA_PLATFORM=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*"; exit 1; }
# Runs a check every tenth of a second until it holds, for 20 seconds at most.
await() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }

# A plain backdrop, no panel and no fading in, so that nothing but the window changes the
# picture.
printf '%s\n' '[shell]' panel-position=none background-color=0xff3a6e8f animation=none \
    startup-animation=none >"$work/weston.ini"
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --config="$work/weston.ini" --debug --log="$work/weston.log" &
await test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "no Weston: $(cat "$work/weston.log")"
# No X display beside it: the program finds the compositor on its own.
WAYLAND_DEBUG=client env -u DISPLAY "$app" 2>"$work/protocol" & pid=$!

# The compositor tells a surface when it shows it on a screen.
await grep -q 'wl_surface@[0-9]*\.enter(' "$work/protocol" || fail "no window within 20 seconds"
grep -q '\.set_title("Tunewell v1.0")' "$work/protocol" || fail "no window titled Tunewell v1.0"
least=$(grep -o 'set_min_size([0-9, ]*)' "$work/protocol" | tail -n 1 | tr -dc '0-9,')
most=$(grep -o 'set_max_size([0-9, ]*)' "$work/protocol" | tail -n 1 | tr -dc '0-9,')
[ -n "$least" ] && [ "$least" = "$most" ] || fail "the size is not fixed: from ($least) to ($most)"
entry=$(basename "$(dirname "$0")"/../packaging/*.desktop .desktop)
grep -q "\.set_app_id(\"$entry\")" "$work/protocol" \
    || fail "not named $entry: $(grep -o 'set_app_id.*' "$work/protocol")"
if [ $# -ge 2 ]; then
    (cd "$work" && weston-screenshooter >/dev/null) || fail "Weston took no screenshot"
    # Weston puts a new window anywhere: the picture is the window with a margin of backdrop.
    convert "$work"/wayland-screenshot-*.png -strip -trim +repage -bordercolor '#3a6e8f' \
        -border 24 "$2"
fi
