#!/bin/sh
# Usage: run-fuzz.sh TARGET SECONDS [libFuzzer options...]
# Fuzzes the line-file reader and writer, the loading and the language-file checker with their files in
# memory (text_fuzz) or on the disk (text_disk_fuzz) for SECONDS (0: until an option such as -runs=N ends it).
set -e
if [ $# -lt 2 ] || { [ "$1" != text_fuzz ] && [ "$1" != text_disk_fuzz ]; }; then
    echo "usage: run-fuzz.sh text_fuzz|text_disk_fuzz SECONDS [libFuzzer options...]" >&2
    exit 2
fi
target="$1"
seconds="$2"
shift 2
repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build/fuzz"
work="$build/corpus-$target"
log="$build/$target.log"
mkdir -p "$work"
# The first folder collects new inputs; the committed seeds are only read. A failing input goes to
# build/fuzz/, not into whatever folder the run was started from.
"$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/$target-" \
    "$@" "$work" "$repo/tests/fuzz/corpus" 2>"$log" || { tail -n 40 "$log"; exit 1; }
grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 | sed "s/^/$target: /"
