#!/bin/bash
# Makes the real main window again and again, one fresh process each, as the window tests do, and
# counts the runs that fail. Run it inside Xvfb as the Makefile does:
#   xvfb-run -a -s "-noreset -screen 0 1024x768x24" scripts/stress-window.sh COUNT [test|program] [MIN-MAX]
# test: one window test in-process; program: zarvik.exe started and closed by its program test.
# MIN-MAX: a random pause in milliseconds after each run. Wine's desktop process quits a second after
# its last user, so pauses around 800-1100 make nearly every run start a new one: the moment at which
# an Xvfb that resets dropped the desktop's X connection.
# WINEPREFIX, WINDOW_TESTS (the test program) and STRESS_LOGS (where failed runs are kept) may be set.
. "$(dirname "$0")/wine-env.sh"
count=${1:-1000}
mode=${2:-test}
gap=${3:-0-0}
minGap=${gap%-*} maxGap=${gap#*-}
tests=${WINDOW_TESTS:-$repo/build/win64/tests/win32/window/window_tests.exe}
case $mode in
test) filter=MainWindowTest.ComesUpAt575By400WithoutMenuAndWithTheTitleFromTheResources ;;
program) filter=ProgramTest.ComesUpWithItsCaptionAndAGameAndEndsWithZeroWhenClosed ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
logs=${STRESS_LOGS:-$repo/build/stress}
mkdir -p "$logs"
prepare_wine_prefix
start_wine_server
failures=0
for i in $(seq 1 "$count"); do
    "$repo/cmake/wine-run.sh" "$tests" --gtest_filter="$filter" >"$logs/last.txt" 2>&1
    rc=$?
    if [ $rc -ne 0 ]; then
        failures=$((failures + 1))
        cp "$logs/last.txt" "$logs/failure-$mode-$i.txt"
        echo "run $i: exit $rc at $(date +%T)" >&2
        grep -a "failed\|err:" "$logs/last.txt" | head -5 >&2
    fi
    # The C locale: awk would print a decimal comma under the Russian one.
    [ "$maxGap" -gt 0 ] && sleep "$(LC_ALL=C awk -v a="$minGap" -v b="$maxGap" -v s="$RANDOM" \
        'BEGIN { srand(s); printf "%.3f", (a + rand() * (b - a)) / 1000 }')"
done
stop_wine_server
echo "$mode: $failures failures in $count runs"
[ $failures -eq 0 ]
