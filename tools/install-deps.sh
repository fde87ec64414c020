#!/usr/bin/env bash
# Installs what building and running Settings needs on Debian 12; with --test, also
# what the test suites need (X server, window manager, pointer driver, screenshots).
# Run as root, or with sudo available.
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev libjpeg62-turbo-dev fonts-dejavu-core fonts-dejavu-extra)
if [ "${1:-}" = "--test" ]; then
    packages+=(xvfb xauth openbox xdotool imagemagick x11-utils valgrind desktop-file-utils appstream jq clang libclang-rt-14-dev)
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
