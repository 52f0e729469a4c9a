#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets in build-fuzz (clang, libFuzzer, ASan + UBSan) and runs each in turn.
#   scripts/fuzz.sh [SECONDS [TARGET...]]
# SECONDS per target, 600 when not given; TARGET is parameter_reader, number_input or
# render_scale, all of them when none is named. The seeds in tests/fuzz/corpus/<target> are only
# read; what a run learns stays in build-fuzz/corpus/<target>, and an input that breaks a target
# is kept in build-fuzz/findings/. Exits non-zero at the first target that breaks.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-600}
if [ $# -gt 0 ]; then shift; fi
targets=${*:-parameter_reader number_input render_scale}

if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUIRN_FUZZ=ON -DQUIRN_BUILD_TESTS=OFF -DQUIRN_BUILD_BENCH=OFF
fi
cmake --build build-fuzz -j"$(nproc)" --target quirn_fuzz_targets

for target in $targets; do
    mkdir -p "build-fuzz/corpus/$target" build-fuzz/findings
    echo "Fuzzing $target for $seconds s"
    QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:${LSAN_OPTIONS:-}" \
        "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout="${FUZZ_UNIT_TIMEOUT:-10}" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target"
done
