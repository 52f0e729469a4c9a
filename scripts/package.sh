#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds Quirn for release in build-package/ (no tests, no benchmarks) and makes the
# Debian package there with CPack: build-package/quirn_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
if [ ! -f build-package/build.ninja ]; then
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIRN_BUILD_TESTS=OFF \
        -DQUIRN_BUILD_BENCH=OFF
fi
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/quirn_*.deb
