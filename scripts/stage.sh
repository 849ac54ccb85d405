#!/bin/sh
# Lays out a runnable copy of the program in folder $1: zarvik.exe and the shipped Languages/.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
target="$1"
mkdir -p "$target/Languages"
cp "$repo/build/win64/app/zarvik.exe" "$target/"
# What ships is what the installer installs and its uninstaller removes again: nothing else goes along.
for file in "$repo/resources/Languages/"*.Lang.txt "$repo/resources/Languages/"*" Help.txt"; do
    [ -f "$file" ] && cp "$file" "$target/Languages/"
done
exit 0
