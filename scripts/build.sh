#!/usr/bin/env bash
# Configures (once) and builds incrementally into build/, with warnings as
# errors as all our own builds are. Release (-O3) is where GCC's flow-based
# warnings appear, so the everyday build is the one that shows them.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLSET_WERROR=ON
fi
cmake --build build --parallel "$(nproc)"
