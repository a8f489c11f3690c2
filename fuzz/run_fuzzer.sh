#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT
# Runs one fuzz target from its seed corpus, without writing into it.
# Usage: run_fuzzer.sh FUZZER CORPUS RUNS [SEED]
# With a seed the run is the same every time, so the suite passes or fails alike on every
# machine; leave it out (or give 0) for a fresh random walk when hunting by hand.
set -euo pipefail
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
cd "$found" # a crash leaves its input here, not in the source tree
"$1" -runs="$3" -seed="${4:-0}" -max_total_time=240 -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 "$found" "$2"
