#!/bin/sh
# Runs the benchmark under Wine (inside xvfb-run) in a folder laid out like the shipped program.
set -e
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
