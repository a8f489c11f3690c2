#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# How long TunewellApp takes to put its main window on the screen, and how much memory it
# needs at its peak, next to bench/bare_window: a plain Qt window of the same shape. Both
# start alternately on a virtual X display, each run in a fresh home holding what every
# start but the very first finds there: a recent reminder date. One warm-up run of each is
# discarded. Prints the medians and TunewellApp's ratios to the bare
# window. Usage: startup.sh BUILD_DIR [RUNS]   (RUNS of each program, 15 unless given)
set -euo pipefail
[[ $# -ge 1 && ${2:-15} =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 BUILD_DIR [RUNS]" >&2; exit 2; }
build=$(realpath "$1")
runs=${2:-15}
caption='Tunewell v1.0'

if [ "${STARTUP_UNDER_XVFB:-}" != 1 ]; then
    export STARTUP_UNDER_XVFB=1
    exec "$(dirname "$0")/../tools/with_xvfb.sh" 1024x768 "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# The moment a window is shown is the X server's MapNotify for it, read as it happens from
# xev watching the root window. (xdotool search --sync looks only every half second, far
# too coarse for a start that takes tens of milliseconds.)
coproc watch { exec xev -root -event substructure -event property; }
# Ready once it reports a change of a root window property; until then, change it again.
until xprop -root -f _TUNEWELL_BENCH 8s -set _TUNEWELL_BENCH ready \
      && read -r -t 0.2 _ <&"${watch[0]}"; do :; done

# Starts $1 once, ends it with SIGTERM once its window is up, and prints microseconds from
# launch to window shown, then its maximum resident set size in KiB.
measure() {
    local program=$1 home=$work/run started shown line window timer
    rm -rf "$home"
    mkdir -p "$home/config/Tunewell"
    mkdir -m 700 "$home/runtime"
    printf '[Settings]\nDuration=%s\n' "$(date +%Y-%m-%dT%H:%M:%S)" \
        >"$home/config/Tunewell/TunewellApp.conf"
    # bash's own clock, in microseconds: the same wall clock as date +%s%N, but reading it
    # starts no process, so it adds nothing to what is measured.
    started=${EPOCHREALTIME/./}
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        /usr/bin/time -f %M -o "$home/rss" "$program" &
    timer=$!
    shown=
    while read -r -t 30 line <&"${watch[0]}"; do
        [[ $line == MapNotify* ]] || continue
        shown=${EPOCHREALTIME/./}
        read -r line <&"${watch[0]}"   # "event 0x..., window 0x..., override NO"
        window=${line#*window }
        window=${window%%,*}
        [ "$(xdotool getwindowname "$window")" = "$caption" ] && break
        shown=
    done
    [ -n "$shown" ] || { echo "$program: no window within 30 seconds" >&2; exit 1; }
    # The program itself, not time, which waits for it: Qt names its process on the window.
    kill -TERM "$(xdotool getwindowpid "$window")"
    wait "$timer" || true
    echo "$((shown - started)) $(tail -n 1 "$home/rss")"
}

tunewell=$build/TunewellApp
bare=$build/bench/bare_window
measure "$tunewell" >/dev/null
measure "$bare" >/dev/null
printf '%-4s %14s %14s %14s %14s\n' run "Tunewell ms" "Tunewell KiB" "bare ms" "bare KiB"
for ((run = 1; run <= runs; ++run)); do
    read -r tunewellTime tunewellRss < <(measure "$tunewell")
    read -r bareTime bareRss < <(measure "$bare")
    printf '%-4s %14.1f %14d %14.1f %14d\n' "$run" "$((tunewellTime))e-3" "$tunewellRss" \
        "$((bareTime))e-3" "$bareRss"
    echo "$tunewellTime $tunewellRss $bareTime $bareRss" >>"$work/results"
done

median() {
    sort -n | awk '{ v[NR] = $1 }
                   END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
tunewellTime=$(cut -d' ' -f1 "$work/results" | median)
tunewellRss=$(cut -d' ' -f2 "$work/results" | median)
bareTime=$(cut -d' ' -f3 "$work/results" | median)
bareRss=$(cut -d' ' -f4 "$work/results" | median)

echo
echo "Medians of $runs runs each, on Xvfb ($(nproc) cores):"
awk -v tt="$tunewellTime" -v tr="$tunewellRss" -v bt="$bareTime" -v br="$bareRss" 'BEGIN {
    printf "%-18s %16s %16s\n", "", "to window (ms)", "peak RSS (MiB)"
    printf "%-18s %16.1f %16.1f\n", "TunewellApp", tt / 1000, tr / 1024
    printf "%-18s %16.1f %16.1f\n", "bare_window", bt / 1000, br / 1024
    printf "%-18s %16.3f %16.3f\n", "TunewellApp/bare", tt / bt, tr / br
    goal = 1.10
    met = (tt / bt <= goal && tr / br <= goal) ? "met" : "NOT met"
    printf "Goal, both ratios within %.2f: %s\n", goal, met
}'
