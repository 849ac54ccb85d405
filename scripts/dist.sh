#!/bin/sh
# Packs what the players get: dist/zarvik/ (zarvik.exe and Languages/) and dist/zarvik.zip.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$repo/dist"
"$repo/scripts/stage.sh" "$repo/dist/zarvik"
(cd "$repo/dist" && zip -qr zarvik.zip zarvik)
ls -l "$repo/dist/zarvik" "$repo/dist/zarvik/Languages" "$repo/dist/zarvik.zip"
