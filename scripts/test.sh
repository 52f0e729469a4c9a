#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test: in build/, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/, then each fuzz target for 15 s (build-fuzz/).
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIRN_SANITIZE=ON \
        -DQUIRN_BUILD_BENCH=OFF
fi
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

# A unit may take up to 30 s here: one slow unit on a busy machine must not fail the run; the
# renderer's time bounds are asserted by its own regression tests.
FUZZ_UNIT_TIMEOUT=30 scripts/fuzz.sh 15
