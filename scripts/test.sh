#!/usr/bin/env bash
# Sets up, builds and runs every test: the full Release build; the
# application, the CLI and every test under AddressSanitizer and
# UndefinedBehaviorSanitizer (the GUI tests offscreen); then the fuzz target.
# All with warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

# Configured every time, so that a build-asan/ of the engine alone takes in
# the GUI.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLSET_SANITIZE=ON -DQUILLSET_WERROR=ON -DQUILLSET_GUI=ON -DQUILLSET_BENCH=OFF > /dev/null
cmake --build build-asan --parallel "$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

# The fuzz target over the whole engine path, for a bounded time (clang and
# libFuzzer). FUZZ_SECONDS=1800 scripts/test.sh runs it longer.
if [ ! -f build-fuzz/CMakeCache.txt ]; then
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUILLSET_FUZZ=ON -DQUILLSET_WERROR=ON -DQUILLSET_GUI=OFF -DQUILLSET_BENCH=OFF
fi
cmake -S . -B build-fuzz -DFUZZ_SECONDS="${FUZZ_SECONDS:-60}" > /dev/null
cmake --build build-fuzz --parallel "$(nproc)"
ctest --test-dir build-fuzz --output-on-failure
