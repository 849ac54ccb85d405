#!/bin/sh
# Starts the program under Wine. Without a display it runs under Xvfb, saves a screenshot and exits.
set -e
. "$(dirname "$0")/wine-env.sh"
exe="$repo/build/win64/app/zarvik.exe"
[ -f "$exe" ] || { echo "zarvik.exe is not built: run make win64" >&2; exit 1; }

# The program keeps its config.txt and Languages/ beside itself, so it runs from a folder of its own.
"$repo/scripts/stage.sh" "$repo/build/run"

if [ -n "$DISPLAY" ]; then
    # A prefix of its own: the tests' one keeps windows away from the window manager.
    export WINEPREFIX="$repo/build/run-prefix"
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i </dev/null >/dev/null 2>&1
    install_wine_fonts
    exec wine "$repo/build/run/zarvik.exe"
fi

echo "No display: running under Xvfb and saving a screenshot."
# -noreset: see XVFB in the Makefile.
exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$repo/scripts/screenshot.sh" "$repo/build/run/zarvik.exe" \
    "$repo/build/screenshot.png"
