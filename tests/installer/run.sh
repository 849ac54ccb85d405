#!/bin/sh
# Makes the packages and runs the installer's tests under Wine (inside xvfb-run) in a prefix made afresh
# for them: an installation left by an earlier run could hide a fault.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="$root/build/win64/installer-prefix"
# Wine's menu builder would write a host menu entry for every shortcut the installer makes.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
. "$root/scripts/wine-env.sh"

dist="$root/build/win64/installer-dist"
"$root/scripts/dist.sh" "$dist" >/dev/null

# A folder that is not a release folder (a checkout, say) is refused and left as it was.
decoy="$root/build/win64/installer-decoy"
rm -rf "$decoy" && mkdir -p "$decoy/zarvik" && echo kept >"$decoy/CMakeLists.txt"
if "$root/scripts/dist.sh" "$decoy" >/dev/null 2>&1 || [ "$(cat "$decoy/CMakeLists.txt")" != kept ]; then
    echo "dist.sh emptied a folder that is not a release folder: $decoy" >&2 && exit 1
fi

# Where the menu builder would write, were it on: the host's own menus stay out of reach, and the
# run fails if anything lands here.
host="$root/build/win64/installer-host"
rm -rf "$host"
mkdir -p "$host"
export XDG_DATA_HOME="$host/data" XDG_CONFIG_HOME="$host/config"

# wineserver -k returns while the server still winds down (about 0.8 s here). The new prefix takes the
# old one's inode, and so its server's socket: a run must not meet the last run's server, nor copy the
# Windows tests' prefix while theirs still writes the registry.
template="$root/build/win64/wineprefix"  # the Windows tests' prefix, when they have run: a copy is quick
wineserver -w
WINEPREFIX="$template" wineserver -w
rm -rf "$WINEPREFIX"
if [ -f "$template/system.reg" ]; then cp -a "$template" "$WINEPREFIX"; fi
prepare_wine_prefix
start_wine_server
# Off in the prefix itself as well, for whoever starts something in it later.
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f </dev/null >/dev/null 2>&1

export ZARVIK_DIST="Z:$(printf '%s' "$dist" | tr / '\\')"
without_aslr wine "$root/build/win64/tests/installer/installer_tests.exe" </dev/null && rc=0 || rc=$?
# The system's language decides what config.txt names; Wine takes it from the locale a process starts in.
LANG=C.UTF-8 LC_ALL=C.UTF-8 without_aslr wine "$root/build/win64/tests/installer/installer_tests.exe" \
    --gtest_filter=Installer.ConfigurationNamesTheSystemsLanguage </dev/null || rc=1
stop_wine_server
wineserver -w
if [ -n "$(find "$host" -type f)" ]; then
    echo "Wine wrote menu entries or file associations for the host:" >&2
    find "$host" -type f >&2
    rc=1
fi
exit $rc
