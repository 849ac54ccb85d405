#!/bin/sh
# Runs a Windows test program under Wine with the whole environment the tests need, so ctest passes from
# any shell that has a display.
. "$(dirname "$0")/../scripts/wine-env.sh"
prepare_wine_prefix || exit 1
start_wine_server 30
# Not exec'd: a test that fails before its program prints a word still says how it ended and when. On a
# timeout ctest kills this shell's children with it.
started=$(date +%s%N)
without_aslr wine "$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "wine-run: $(basename "$1") ended with status $status after $((($(date +%s%N) - started) / 1000000)) ms" >&2
fi
exit "$status"
