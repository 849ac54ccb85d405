#!/bin/sh
# Runs a Windows test program under Wine, in the build's own prefix unless one is given.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/win64/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
