#!/bin/sh
# Packs what the players get into dist/ (or folder $1): zarvik/ as staged with a README.txt, the portable
# zarvik-<version>.zip of it and the installer zarvik-<version>-setup.exe.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$repo/dist}"

# The program's own header names the product, so the packages cannot drift from the caption.
product="$repo/core/Product.h"
version=$(sed -n 's/^inline constexpr int ProductVersion = \([0-9][0-9]*\);$/\1/p' "$product")
title=$(sed -n 's/^inline constexpr char ProductTitle\[\] = "\(.*\)";$/\1/p' "$product")
if [ -z "$version" ] || [ -z "$title" ]; then
    echo "dist.sh: no ProductTitle or ProductVersion found in $product" >&2
    exit 1
fi

rm -rf "$out"
"$repo/scripts/stage.sh" "$out/zarvik"
# For the editors of Windows: UTF-8 with a byte-order mark, CR LF line ends.
{ printf '\357\273\277'; sed 's/$/\r/' "$repo/installer/PortableReadMe.txt"; } >"$out/zarvik/README.txt"
(cd "$out" && zip -qrX "zarvik-$version.zip" zarvik)

# The uninstaller removes exactly the language files shipped now, so their list is written here.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
nsis_text() { printf '%s' "$1" | sed 's/\$/$$/g'; }
{
    printf '\357\273\277'
    echo '!macro InstallShippedLanguages'
    for file in "$out/zarvik/Languages/"*; do echo "    File \"$(nsis_text "$file")\""; done
    echo '!macroend'
    echo '!macro RemoveShippedLanguages'
    for file in "$out/zarvik/Languages/"*; do
        echo "    Delete \"\$INSTDIR\\Languages\\$(nsis_text "$(basename "$file")")\""
    done
    echo '!macroend'
} >"$work/Shipped.nsh"
# Under the C locale makensis crashes on a file name outside ASCII.
LC_ALL=C.UTF-8 makensis -V2 -DVERSION="$version" -DPRODUCT_TITLE="$title" -DSTAGE="$out/zarvik" -DSHIPPED="$work/Shipped.nsh" \
    -DOUTFILE="$out/zarvik-$version-setup.exe" "$repo/installer/Zarvik.nsi"
ls -l "$out" "$out/zarvik" "$out/zarvik/Languages"
