#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Pictures of every window and message a user meets, at normal and at twice the scale,
# taken on a virtual X display. Usage: screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")

if [ "${SCREENSHOTS_UNDER_XVFB:-}" != 1 ]; then
    export SCREENSHOTS_UNDER_XVFB=1
    exec "$(dirname "$0")/with_xvfb.sh" 1600x1200 "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb

for scale in 1 2; do
    folder=$out; [ "$scale" = 1 ] || folder=$out/x$scale
    # A home of its own for each walk: the user's settings and lock are never touched.
    home=$(mktemp -d)
    mkdir -m 700 "$home/runtime"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
    QT_SCALE_FACTOR=$scale "$build/tools/screenshots" "$folder"

    # The message a second instance shows, beside a real start of the program.
    QT_SCALE_FACTOR=$scale "$build/TunewellApp" & first=$!
    timeout 20 xdotool search --sync --onlyvisible --name '^Tunewell v1.0$' >/dev/null
    QT_SCALE_FACTOR=$scale "$build/tools/screenshots" "$folder" again
    kill "$first"; wait "$first" 2>/dev/null || true
    rm -rf "$home"
done
