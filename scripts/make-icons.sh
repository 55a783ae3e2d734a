#!/usr/bin/env bash
# Draws the program's icon at every size the window and the icon theme use,
# from app/icons/quillset.svg (needs rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../app/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" quillset.svg -o "quillset-$size.png"
done
