#!/bin/sh
# Packs what the players get into dist/ (or folder $1): zarvik/ as staged with a README.txt, the portable
# zarvik-<version>.zip of it, the installer zarvik-<version>-setup.exe and SHA256SUMS. The same commit
# and the same toolchain give the same bytes: every time stored is the last commit's (SOURCE_DATE_EPOCH).
set -e
repo=$(cd "$(dirname "$0")/.." && pwd -P)
out="${1:-$repo/dist}"

# The program's own header names the product, so the packages cannot drift from the caption.
. "$repo/scripts/product.sh"
read_product "$repo" || exit 1

# The last commit names the release only when this tree is that commit: its own history (a copy inside a
# checkout would find the checkout's) and nothing changed or added since. Any other tree says so, and
# takes the time of the build, so its packages cannot pass for the commit's.
if [ "$(git -C "$repo" rev-parse --show-toplevel 2>/dev/null)" = "$repo" ]; then
    commit=$(git -C "$repo" log -1 --format=%h)
    changes=$(git -C "$repo" status --porcelain | wc -l)
    if [ "$changes" -ne 0 ]; then
        echo "dist.sh: git status lists $changes changes since commit $commit, so this release is not that commit's" >&2
        SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(date +%s)}"
    fi
    # Set by whoever rebuilds a release from a copy without its history.
    SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct)}"
fi
if [ -z "$SOURCE_DATE_EPOCH" ]; then
    echo "dist.sh: no commit to take the time from; set SOURCE_DATE_EPOCH" >&2
    exit 1
fi
export SOURCE_DATE_EPOCH

# What a release folder holds, by name and kind; with "!" first, everything else in $out.
release_entries() {
    not=$1
    shift
    (cd "$out" && find . -depth -mindepth 1 $not \( -type d \( -path ./zarvik -o -path ./zarvik/Languages \) -o \
        -type f \( -path ./zarvik/zarvik.exe -o -path ./zarvik/README.txt -o -path './zarvik/Languages/*.Lang.txt' \
        -o -path './zarvik/Languages/* Help.txt' -o -path './zarvik-*.zip' -o -path './zarvik-*-setup.exe' \
        -o -path ./SHA256SUMS \) \) "$@")
}
# Only a release folder is emptied: any other entry in it (a checkout, a home folder, a link) stops the
# script before anything changes, and makensis, which runs in installer/, gets the full path.
if [ -e "$out" ] && [ ! -d "$out" ]; then
    echo "dist.sh: $out is not a folder" >&2
    exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd -P)
foreign=$(release_entries ! -print | head -n 1)
if [ -n "$foreign" ]; then
    echo "dist.sh: $out holds ${foreign#./}, so it is not a release folder; nothing was changed" >&2
    exit 1
fi
# Made whole in a fresh folder first, so a failed build leaves the last release as it was.
work=$(mktemp -d)
new=$(mktemp -d "$out/.dist.XXXXXX")
trap 'rm -rf "$work" "$new"' EXIT
trap 'exit 1' HUP INT TERM

"$repo/scripts/stage.sh" "$new/zarvik"
# For the editors of Windows: UTF-8 with a byte-order mark, CR LF line ends.
{ printf '\357\273\277'; sed 's/$/\r/' "$repo/installer/PortableReadMe.txt"; } >"$new/zarvik/README.txt"
# zip stores each entry's time, permissions and the order it finds them in, makensis each file's time.
find "$new/zarvik" -type d -exec chmod 755 {} +
find "$new/zarvik" -type f -exec chmod 644 {} +
find "$new/zarvik" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$new" && find zarvik | LC_ALL=C sort | TZ=UTC zip -qX -@ "zarvik-$version.zip")

# A text inside an NSIS string, where "$" would start a variable.
nsis_text() { printf '%s' "$1" | sed 's/\$/$$/g'; }
# The installer's include of the product's identity, from core/Product.h as the build makes the program's
# resources from it.
{
    printf '\357\273\277'
    echo '; Made by scripts/dist.sh from core/Product.h.'
    echo "!define PRODUCT_TITLE \"$(nsis_text "$title")\""
    echo "!define PRODUCT_VERSION $version"
    echo "!define PRODUCT_WINDOW_CLASS \"$(nsis_text "$window_class")\""
    echo "!define PRODUCT_PUBLISHER \"$(nsis_text "$publisher")\""
} >"$work/Product.nsh"

# Every language a release has shipped: the uninstaller removes the files of each, an upgrade those of the
# ones no longer shipped, and a first installation names the one of the system's language in config.txt.
languages=$(sed -n 's/^\(0x[0-9A-Fa-f][0-9A-Fa-f]*\) \(.*\)$/\1 \2/p' "$repo/installer/ShippedLanguages.txt")
allowed=$(printf '%s\n' "$languages" | while read -r id language; do printf '%s.Lang.txt\n%s Help.txt\n' "$language" "$language"; done)
for file in "$new/zarvik/Languages/"*; do
    if ! printf '%s\n' "$allowed" | grep -Fxq "$(basename "$file")"; then
        echo "dist.sh: $(basename "$file") is shipped but has no row in installer/ShippedLanguages.txt" >&2
        exit 1
    fi
done
installed=$(ls "$new/zarvik/Languages")
# The name this release installs for $1 as Windows compares names, without case, or nothing: deleting
# "Ukrainian.Lang.txt" there takes "ukrainian.Lang.txt" with it.
installed_as() { printf '%s\n' "$installed" | LC_ALL=C.UTF-8 grep -Fxi -m 1 -- "$1"; }
{
    printf '\357\273\277'
    echo '!macro InstallShippedLanguages'
    for file in "$new/zarvik/Languages/"*; do echo "    File \"$(nsis_text "$file")\""; done
    echo '!macroend'
    # RemoveLanguages_all: every language ever shipped; RemoveLanguages_retired: those no longer shipped.
    for which in all retired; do
        echo "!macro RemoveLanguages_$which"
        printf '%s\n' "$languages" | while read -r id language; do
            for name in "$language.Lang.txt" "$language Help.txt"; do
                [ "$which" = retired ] && installed_as "$name" >/dev/null && continue
                echo "    Delete \"\$INSTDIR\\Languages\\$(nsis_text "$name")\""
            done
        done
        echo '!macroend'
    done
    # Sets $R1 to 1 when $R0 names a language file the upgrade removes, to 0 otherwise.
    echo '!macro IsRetiredLanguage'
    echo '    StrCpy $R1 0'
    printf '%s\n' "$languages" | while read -r id language; do
        installed_as "$language.Lang.txt" >/dev/null && continue
        echo "    \${IfThen} \$R0 == \"$(nsis_text "$language").Lang.txt\" \${|} StrCpy \$R1 1 \${|}"
    done
    echo '!macroend'
    # Sets $R1 to the language file shipped for the primary language id in $R0, or to "".
    echo '!macro ShippedLanguageFor'
    echo '    StrCpy $R1 ""'
    printf '%s\n' "$languages" | while read -r id language; do
        name=$(installed_as "$language.Lang.txt") || continue
        echo "    \${IfThen} \$R0 = $id \${|} StrCpy \$R1 \"$(nsis_text "$name")\" \${|}"
    done
    echo '!macroend'
} >"$work/Shipped.nsh"
# Under the C locale makensis crashes on a file name outside ASCII.
LC_ALL=C.UTF-8 makensis -V2 -DPRODUCT="$work/Product.nsh" -DSTAGE="$new/zarvik" -DSHIPPED="$work/Shipped.nsh" \
    -DOUTFILE="$new/zarvik-$version-setup.exe" "$repo/installer/Zarvik.nsi"
(cd "$new" && sha256sum zarvik/zarvik.exe "zarvik-$version.zip" "zarvik-$version-setup.exe" >SHA256SUMS)

# Of the last release, only what a release holds goes, by name: a folder holding anything else stays.
release_entries "" -delete
for name in zarvik "zarvik-$version.zip" "zarvik-$version-setup.exe" SHA256SUMS; do mv -T "$new/$name" "$out/$name"; done
ls -l "$out" "$out/zarvik" "$out/zarvik/Languages"
