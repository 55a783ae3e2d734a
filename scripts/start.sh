#!/usr/bin/env bash
# Sets up, builds and starts Quillset.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -x build/bin/quillset ]; then
    exec build/bin/quillset "$@"
fi
build/bin/quillset-cli render examples/shipping-label.txt -o build/shipping-label.png
echo "Rendered examples/shipping-label.txt to build/shipping-label.png"
