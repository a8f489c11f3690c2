#!/usr/bin/env bash
# Runs one fuzz target for a bounded time from the seed corpus, without writing into it.
# Usage: run_fuzzer.sh FUZZER CORPUS SECONDS
set -euo pipefail
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
cd "$found" # a crash leaves its input here, not in the source tree
"$1" -max_total_time="$3" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 "$found" "$2"
