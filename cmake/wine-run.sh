#!/bin/sh
# Runs a Windows test program under Wine with the whole environment the tests need, so ctest passes from
# any shell that has a display.
. "$(dirname "$0")/../scripts/wine-env.sh"
prepare_wine_prefix || exit 1
start_wine_server 30
exec wine "$@"
