#!/usr/bin/env bash
# Builds Quillset for release with Debian's hardening flags and writes the
# Debian package build-release/quillset_VERSION_ARCH.deb, then checks it with
# lintian, which fails on errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --packaging
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# A packager's build: Debian's flags warn of __DATE__, which About shows.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLSET_GUI=ON \
    -DQUILLSET_BENCH=OFF -DQUILLSET_WERROR=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build build-release --parallel "$(nproc)" --target quillset quillset-cli gzipped_documents
rm -f build-release/quillset_*.deb
(cd build-release && cpack -G DEB > /dev/null)
package=$(echo build-release/quillset_*.deb)
lintian --fail-on error "$package"
echo "Wrote $package"
