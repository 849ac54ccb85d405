#!/bin/sh
# Installs the Debian packages the build and the tests need; quick when all are present.
set -e

PACKAGES="g++ clang-14 libclang-rt-14-dev cmake ninja-build googletest
g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth locales fonts-dejavu-core imagemagick zip x11-utils nsis"

missing=""
for package in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
    esac
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# Wine takes its ANSI code page from the host locale, and only from a generated one.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO sed -i 's/^# *ru_RU.UTF-8/ru_RU.UTF-8/' /etc/locale.gen
    $SUDO locale-gen >/dev/null
fi
