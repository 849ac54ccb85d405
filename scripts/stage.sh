#!/bin/sh
# Lays out a runnable copy of the program in folder $1: zarvik.exe and Languages/.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
target="$1"
mkdir -p "$target/Languages"
cp "$repo/build/win64/app/zarvik.exe" "$target/"
cp "$repo/resources/Languages/"* "$target/Languages/" 2>/dev/null || true
