#!/usr/bin/env bash
# Installs the Debian packages Quillset builds and tests with, when missing;
# with --packaging also those scripts/package.sh checks the package with.
# As root it runs apt-get itself; otherwise it prints the line to run.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libpng-dev libzxing-dev libzint-dev libdeflate-dev libicu-dev
    libfreetype-dev libharfbuzz-dev libfontconfig-dev fonts-dejavu-core fonts-lohit-deva
    libcups2-dev cups socat
    clang libclang-rt-14-dev
    desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
    dpkg-dev
)
if [ "${1:-}" = --packaging ]; then
    packages+=(lintian)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
fi
