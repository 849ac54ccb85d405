#!/bin/sh
# Fuzzes the string-list reader and writer, the configuration and language loading and the language-file
# checker for $1 seconds.
set -e
seconds="${1:-20}"
repo=$(cd "$(dirname "$0")/.." && pwd)
fuzzer="$repo/build/fuzz/tests/fuzz/text_fuzz"
work="$repo/build/fuzz/corpus"
mkdir -p "$work"
# The first folder collects new inputs; the committed seeds are only read. A failing input goes to
# build/fuzz/, not into whatever folder the run was started from.
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$repo/build/fuzz/" \
    "$work" "$repo/tests/fuzz/corpus" \
    2>"$repo/build/fuzz/last-run.log" || { tail -n 40 "$repo/build/fuzz/last-run.log"; exit 1; }
grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$repo/build/fuzz/last-run.log" | tail -n 2
