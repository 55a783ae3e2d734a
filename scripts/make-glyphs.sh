#!/usr/bin/env bash
# Regenerates the printer fonts' glyph tables, raster/glyphs/GlyphTableG1.cpp to
# raster/glyphs/GlyphTableG14.cpp, from Debian font files, and draws a sample sheet
# of all sixteen fonts (default build-glyphgen/sample-sheet.png; pass another
# path as the first argument). The normal build uses the committed tables and
# needs none of this.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    libfreetype-dev libpng-dev cmake ninja-build g++
    fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-urw-base35
    fonts-terminus-otb
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ ! -f build-glyphgen/CMakeCache.txt ]; then
    cmake -S tools/glyphgen -B build-glyphgen -G Ninja
fi
cmake --build build-glyphgen
build-glyphgen/glyphgen . "${1:-build-glyphgen/sample-sheet.png}"
