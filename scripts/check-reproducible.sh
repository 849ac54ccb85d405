#!/bin/sh
# Builds the release of the last commit twice, each from a copy of its own in a folder of its own, and
# compares the two: the same commit must give the same bytes. Uncommitted changes are not part of it.
# Leaves both copies in build/reproducible/ and exits non-zero when any file differs.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
work="$repo/build/reproducible"
export SOURCE_DATE_EPOCH="$(git -C "$repo" log -1 --format=%ct)"
rm -rf "$work"
for copy in first second-copy; do
    mkdir -p "$work/$copy"
    git -C "$repo" archive HEAD | tar -x -C "$work/$copy"
    (
        cd "$work/$copy"
        cmake --preset win64 -DZARVIK_TESTS=OFF >/dev/null
        cmake --build --preset win64 --target zarvik >/dev/null
        scripts/dist.sh "$work/$copy/dist" >/dev/null
    )
done
cat "$work/first/dist/SHA256SUMS"
if cmp "$work/first/dist/SHA256SUMS" "$work/second-copy/dist/SHA256SUMS" >/dev/null; then
    echo "check-reproducible: both builds are identical"
else
    diff "$work/first/dist/SHA256SUMS" "$work/second-copy/dist/SHA256SUMS" >&2 || true
    echo "check-reproducible: the builds differ" >&2
    exit 1
fi
