#!/bin/sh
# Runs the Windows build's tests under Wine; called inside xvfb-run by the Makefile, whose Xvfb must not
# reset between clients (see XVFB there). A failed test fails the run: no test is tried twice.
. "$(dirname "$0")/wine-env.sh"
prepare_wine_prefix || exit 1
start_wine_server
without_aslr ctest --preset win64 "$@"
rc=$?
stop_wine_server
exit $rc
