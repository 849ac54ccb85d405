#!/bin/sh
# Runs the benchmark under Wine (inside xvfb-run) in a folder laid out like the shipped program.
set -e
# The space bar's rounds press the program and its two floors by turns, side by side: at 200 % the three
# need a screen wider than the test's, so the benchmark has a virtual display of its own.
if [ -z "$ZARVIK_BENCH_SCREEN" ]; then
    export ZARVIK_BENCH_SCREEN=3840x2160
    exec xvfb-run -a -s "-noreset -screen 0 ${ZARVIK_BENCH_SCREEN}x24" "$0" "$@"
fi
. "$(dirname "$0")/wine-env.sh"
folder="$repo/build/bench"
"$repo/scripts/stage.sh" "$folder"
cp "$repo/build/win64/bench/zarvik_bench.exe" "$repo/build/win64/bench/minimal_window.exe" \
    "$repo/build/win64/bench/startup_floor.exe" "$folder/"
prepare_wine_prefix
start_wine_server
rc=0
wine "$folder/zarvik_bench.exe" </dev/null || rc=$?
stop_wine_server
# The space bar once more at 200 %, in the scale tests' prefix: its figures end in _192dpi.
export WINEPREFIX="$repo/build/win64/wineprefix-dpi" ZARVIK_DPI=192
prepare_wine_prefix
start_wine_server
wine "$folder/zarvik_bench.exe" space </dev/null || rc=$?
stop_wine_server
exit $rc
