#!/usr/bin/env bash
# Runs one fuzz target for a while on a scratch corpus that starts from its seeds.
#   fuzz/run.sh BINARY SECONDS [SEEDS]
# The tests run each target for a few seconds; run one for minutes by hand, e.g.
#   fuzz/run.sh build/fuzz/bin/fuzz_savefile 600 fuzz/seeds/savefile
# A crash leaves its input as crash-* in the current folder.
set -euo pipefail
binary=$1
seconds=$2
seeds=${3:-}
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
args=(-max_total_time="$seconds" -max_len=70000 -rss_limit_mb=1024 -timeout=10 -print_final_stats=1)
if [ -n "$seeds" ]; then
    "$binary" "${args[@]}" "$corpus" "$seeds"
else
    "$binary" "${args[@]}" "$corpus"
fi
