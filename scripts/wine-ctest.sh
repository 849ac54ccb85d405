#!/bin/sh
# Runs the Windows build's tests under Wine; called inside xvfb-run by the Makefile.
. "$(dirname "$0")/wine-env.sh"
prepare_wine_prefix
start_wine_server
ctest --preset win64 "$@"
rc=$?
stop_wine_server
exit $rc
