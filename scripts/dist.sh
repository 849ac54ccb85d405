#!/bin/sh
# Packs what the players get into dist/ (or folder $1): zarvik/ as staged with a README.txt, the portable
# zarvik-<version>.zip of it, the installer zarvik-<version>-setup.exe and SHA256SUMS. The same commit
# and the same toolchain give the same bytes: every time stored is the last commit's (SOURCE_DATE_EPOCH).
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$repo/dist}"

# The program's own header names the product, so the packages cannot drift from the caption.
. "$repo/scripts/product.sh"
read_product "$repo" || exit 1

# Set by whoever rebuilds a release from a copy without its history.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct 2>/dev/null || true)}"
if [ -z "$SOURCE_DATE_EPOCH" ]; then
    echo "dist.sh: no commit to take the time from; set SOURCE_DATE_EPOCH" >&2
    exit 1
fi
export SOURCE_DATE_EPOCH

# Only a release folder is emptied: any other entry in it (a checkout, a home folder) stops the script.
if [ -d "$out" ]; then
    for entry in "$out"/* "$out"/.[!.]*; do
        [ -e "$entry" ] || continue
        case "${entry##*/}" in
        zarvik | zarvik-*.zip | zarvik-*-setup.exe | SHA256SUMS) ;;
        *)
            echo "dist.sh: $out holds ${entry##*/}, so it is not a release folder; nothing was changed" >&2
            exit 1
            ;;
        esac
    done
    rm -rf "$out/zarvik" "$out"/zarvik-*.zip "$out"/zarvik-*-setup.exe "$out/SHA256SUMS"
elif [ -e "$out" ]; then
    echo "dist.sh: $out is not a folder" >&2
    exit 1
fi
"$repo/scripts/stage.sh" "$out/zarvik"
# For the editors of Windows: UTF-8 with a byte-order mark, CR LF line ends.
{ printf '\357\273\277'; sed 's/$/\r/' "$repo/installer/PortableReadMe.txt"; } >"$out/zarvik/README.txt"
# zip stores each entry's time, permissions and the order it finds them in, makensis each file's time.
find "$out/zarvik" -type d -exec chmod 755 {} +
find "$out/zarvik" -type f -exec chmod 644 {} +
find "$out/zarvik" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$out" && find zarvik | LC_ALL=C sort | TZ=UTC zip -qX -@ "zarvik-$version.zip")

# Every language a release has shipped: the uninstaller removes the files of each, an upgrade those of the
# ones no longer shipped, and a first installation names the one of the system's language in config.txt.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
nsis_text() { printf '%s' "$1" | sed 's/\$/$$/g'; }
languages=$(sed -n 's/^\(0x[0-9A-Fa-f][0-9A-Fa-f]*\) \(.*\)$/\1 \2/p' "$repo/installer/ShippedLanguages.txt")
allowed=$(printf '%s\n' "$languages" | while read -r id language; do printf '%s.Lang.txt\n%s Help.txt\n' "$language" "$language"; done)
for file in "$out/zarvik/Languages/"*; do
    if ! printf '%s\n' "$allowed" | grep -Fxq "$(basename "$file")"; then
        echo "dist.sh: $(basename "$file") is shipped but has no row in installer/ShippedLanguages.txt" >&2
        exit 1
    fi
done
{
    printf '\357\273\277'
    echo '!macro InstallShippedLanguages'
    for file in "$out/zarvik/Languages/"*; do echo "    File \"$(nsis_text "$file")\""; done
    echo '!macroend'
    # RemoveLanguages_all: every language ever shipped; RemoveLanguages_retired: those no longer shipped.
    for which in all retired; do
        echo "!macro RemoveLanguages_$which"
        printf '%s\n' "$languages" | while read -r id language; do
            [ "$which" = retired ] && [ -f "$out/zarvik/Languages/$language.Lang.txt" ] && continue
            for name in "$language.Lang.txt" "$language Help.txt"; do
                echo "    Delete \"\$INSTDIR\\Languages\\$(nsis_text "$name")\""
            done
        done
        echo '!macroend'
    done
    # Sets $R1 to the language file shipped for the primary language id in $R0, or to "".
    echo '!macro ShippedLanguageFor'
    echo '    StrCpy $R1 ""'
    printf '%s\n' "$languages" | while read -r id language; do
        [ -f "$out/zarvik/Languages/$language.Lang.txt" ] || continue
        echo "    \${IfThen} \$R0 = $id \${|} StrCpy \$R1 \"$(nsis_text "$language").Lang.txt\" \${|}"
    done
    echo '!macroend'
} >"$work/Shipped.nsh"
# Under the C locale makensis crashes on a file name outside ASCII.
LC_ALL=C.UTF-8 makensis -V2 -DVERSION="$version" -DPRODUCT_TITLE="$title" -DSTAGE="$out/zarvik" -DSHIPPED="$work/Shipped.nsh" \
    -DOUTFILE="$out/zarvik-$version-setup.exe" "$repo/installer/Zarvik.nsi"
(cd "$out" && sha256sum zarvik/zarvik.exe "zarvik-$version.zip" "zarvik-$version-setup.exe" >SHA256SUMS)
ls -l "$out" "$out/zarvik" "$out/zarvik/Languages"
