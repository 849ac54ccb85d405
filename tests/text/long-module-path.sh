#!/bin/sh
# Runs a copy of the probe from a folder whose path is longer than 260 characters and checks
# that it reports that folder whole. Wine's CreateProcessW can't start a program from such a
# folder, so the copy is started the way Wine starts any program: from the Linux side.
set -eu
run="$1"
probe="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deep="$work"
level=0
while [ ${#deep} -le 300 ]; do
    deep="$deep/a-folder-with-a-long-name-to-pass-the-limit-$level"
    level=$((level + 1))
done
mkdir -p "$deep"
cp "$probe" "$deep/probe.exe"
cd "$work"
"$run" "$deep/probe.exe" reported.txt
# Wine shows the Linux root as drive Z:.
expected="Z:$(printf '%s/' "$deep" | tr / '\\')"
printf '\377\376' >expected.txt
printf '%s\r\n' "$expected" | iconv -f UTF-8 -t UTF-16LE >>expected.txt
cmp expected.txt reported.txt
echo "the probe reported its folder whole: ${#expected} characters"
