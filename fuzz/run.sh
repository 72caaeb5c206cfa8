#!/usr/bin/env bash
# Runs one fuzz target as the tests do: every input among its regressions once, then
# fuzzing for SECONDS on a scratch copy of its corpus, with its seeds beside it (each
# input of the corpus and the seeds runs once before the fuzzing starts).
#   fuzz/run.sh BINARY SECONDS [SCRATCH]
# The target's inputs are fuzz/regressions/NAME/, fuzz/corpus/NAME/ and fuzz/seeds/NAME/
# for the binary fuzz_NAME. Given a SCRATCH folder, the copy is made there and kept
# with what the fuzzing adds (scripts/fuzz merges it back); otherwise it is removed.
# A crash leaves its input as crash-* in the current folder, and the status is not 0.
set -euo pipefail
binary=$1
seconds=$2
scratch=${3:-}
fuzz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
name=$(basename "$binary")
name=${name#fuzz_}
# Inputs up to 70000 bytes: more than the largest file a target needs whole (a best-times file).
args=(-max_len=70000 -rss_limit_mb=1024 -timeout=10)

shopt -s nullglob
regressions=("$fuzz/regressions/$name"/*)
if [ ${#regressions[@]} -gt 0 ]; then
    "$binary" "${args[@]}" "${regressions[@]}"
fi

if [ -z "$scratch" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
mkdir -p "$scratch"
corpus=("$fuzz/corpus/$name"/*)
[ ${#corpus[@]} -gt 0 ] && cp -- "${corpus[@]}" "$scratch/"
seeds=()
[ -d "$fuzz/seeds/$name" ] && seeds=("$fuzz/seeds/$name")
"$binary" "${args[@]}" -max_total_time="$seconds" -print_final_stats=1 "$scratch" "${seeds[@]}"
