#!/usr/bin/env bash
# Sets up, builds and starts Quillset, with the given file or the example
# shipping label.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -x build/bin/quillset ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "Quillset is a desktop program and found no display (DISPLAY is not set)." >&2
        echo "Start it in a graphical session, or under a virtual one:" >&2
        echo "  Xvfb :99 & DISPLAY=:99 scripts/start.sh" >&2
        exit 1
    fi
    # Without a file, a real label, so that the program is seen at work.
    [ $# -eq 0 ] && set -- examples/shipping-label.txt
    exec build/bin/quillset "$@"
fi
build/bin/quillset-cli render examples/shipping-label.txt -o build/shipping-label.png
echo "Rendered examples/shipping-label.txt to build/shipping-label.png"
