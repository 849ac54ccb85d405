#!/bin/sh
# Makes the packages and runs the installer's tests under Wine (inside xvfb-run) in a prefix made afresh
# for them: an installation left by an earlier run could hide a fault.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="$root/build/win64/installer-prefix"
# Wine's menu builder would write a host menu entry for every shortcut the installer makes.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
. "$root/scripts/wine-env.sh"

# Named relative to the current folder, not to installer/, where makensis runs.
dist="$root/build/win64/installer-dist"
(cd "$root/build/win64" && "$root/scripts/dist.sh" installer-dist >/dev/null)

# A folder that is not a release folder is refused and left as it was: one holding a checkout beside a
# release's folder, or a checkout named like that folder.
decoy="$root/build/win64/installer-decoy"
for checkout in CMakeLists.txt zarvik/CMakeLists.txt; do
    rm -rf "$decoy" && mkdir -p "$decoy/zarvik" && echo kept >"$decoy/$checkout"
    if "$root/scripts/dist.sh" "$decoy" >/dev/null 2>&1 || [ "$(cat "$decoy/$checkout")" != kept ]; then
        echo "dist.sh emptied a folder that is not a release folder: $decoy/$checkout" >&2 && exit 1
    fi
done

# The next release as an upgrade meets it, made from a copy of this tree with a commit of its own and
# changed since: German no longer shipped, Ukrainian renamed only in case. Such a tree is not its commit.
next="$root/build/win64/installer-next"
rm -rf "$next" && mkdir -p "$next/core" "$next/build/win64/app"
cp -r "$root/scripts" "$root/installer" "$root/resources" "$next/"
cp "$root/core/Product.h" "$next/core/" && cp "$root/build/win64/app/zarvik.exe" "$next/build/win64/app/"
git -C "$next" init -q && git -C "$next" add -A && git -C "$next" -c user.name=t -c user.email=t@t commit -qm next
(
    cd "$next/resources/Languages"
    rm German.Lang.txt "German Help.txt"
    mv Ukrainian.Lang.txt ukrainian.Lang.txt && mv "Ukrainian Help.txt" "ukrainian Help.txt"
    echo "0x22 ukrainian" >>"$next/installer/ShippedLanguages.txt"
)
if ! "$next/scripts/dist.sh" "$next/dist" >/dev/null 2>"$next/dist.log" || ! grep -q "not that commit's" "$next/dist.log"
then
    cat "$next/dist.log" >&2
    echo "dist.sh failed, or did not say that a changed tree's release is not its commit's" >&2 && exit 1
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

export ZARVIK_DIST="Z:$(printf '%s' "$dist" | tr / '\\')" ZARVIK_NEXT_DIST="Z:$(printf '%s' "$next/dist" | tr / '\\')"
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
