#!/bin/sh
# Builds the release of the last commit twice, each from a copy of its own in a folder of its own, and
# compares the two: the same commit must give the same bytes. Uncommitted changes are not part of it.
# The second build also runs in another time zone, locale and umask, with the clock 1000 days ahead
# (faketime, installed here when missing) and, when started as root, as a throwaway user of its own.
# Leaves both copies in build/reproducible/ and exits non-zero when any file differs.
set -e
repo=$(cd "$(dirname "$0")/.." && pwd)
work="$repo/build/reproducible"
export SOURCE_DATE_EPOCH="$(git -C "$repo" log -1 --format=%ct)"

if ! command -v faketime >/dev/null; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends faketime >/dev/null
fi

# Only root can build as someone else. The user is made for this run and removed after it; one left by
# a run that was killed is known by its comment and reused.
builder=zarvik-repro
marker="throwaway build user of check-reproducible.sh"
as_builder=""
second_user="$(id -un) (only root can build as another user)"
if [ "$(id -u)" -eq 0 ]; then
    getent passwd "$builder" >/dev/null ||
        useradd --system --no-create-home --shell /usr/sbin/nologin --comment "$marker" "$builder"
    if [ "$(getent passwd "$builder" | cut -d: -f5)" != "$marker" ]; then
        echo "check-reproducible: a user $builder exists that this script did not make; nothing was built" >&2
        exit 1
    fi
    trap 'userdel "$builder" 2>/dev/null || true' EXIT
    trap 'exit 1' HUP INT TERM
    as_builder="setpriv --reuid=$builder --regid=$builder --init-groups"
    second_user=$builder
fi
# install-deps.sh generates ru_RU.UTF-8; C.UTF-8 is there on every Debian.
other_locale=C.UTF-8
locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' && other_locale=ru_RU.UTF-8

build='cmake --preset win64 -DZARVIK_TESTS=OFF >/dev/null && cmake --build --preset win64 --target zarvik >/dev/null &&
    scripts/dist.sh "$PWD/dist" >/dev/null'
rm -rf "$work"
for copy in first second-copy; do
    mkdir -p "$work/$copy" "$work/home-$copy"
    git -C "$repo" archive HEAD | tar -x -C "$work/$copy"
    if [ "$copy" = first ]; then
        (cd "$work/$copy" && umask 022 && HOME="$work/home-$copy" TZ=UTC LC_ALL=C LANG=C sh -c "$build")
        continue
    fi
    [ -z "$as_builder" ] || chown -R "$builder:$builder" "$work/$copy" "$work/home-$copy"
    # faketime starts under the builder's id: the shared memory it makes must be the builder's to open.
    # Only the clock moves: by default faketime also moves the times stat() reports, and makensis stores
    # those, so each file would carry a time 1000 days after the one it has on the disk.
    (cd "$work/$copy" && umask 077 && HOME="$work/home-$copy" TZ=Pacific/Kiritimati LC_ALL=$other_locale \
        LANG=$other_locale NO_FAKE_STAT=1 $as_builder faketime -f +1000d sh -c "$build")
    if [ -n "$as_builder" ]; then
        owner=$(stat -c %U "$work/$copy/dist/SHA256SUMS")
        chown -R "$(id -u):$(id -g)" "$work/$copy" "$work/home-$copy"
        if [ "$owner" != "$builder" ]; then
            echo "check-reproducible: the second build ran as $owner, not as $builder" >&2
            exit 1
        fi
    fi
done
echo "check-reproducible: the first build as $(id -un), TZ=UTC, LC_ALL=C, umask 022; the second as" \
    "$second_user, TZ=Pacific/Kiritimati (UTC+14), LC_ALL=$other_locale, umask 077, the clock 1000 days ahead"
cat "$work/first/dist/SHA256SUMS"
if cmp "$work/first/dist/SHA256SUMS" "$work/second-copy/dist/SHA256SUMS" >/dev/null; then
    echo "check-reproducible: both builds are identical"
else
    diff "$work/first/dist/SHA256SUMS" "$work/second-copy/dist/SHA256SUMS" >&2 || true
    echo "check-reproducible: the builds differ" >&2
    exit 1
fi
