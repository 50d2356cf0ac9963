#!/usr/bin/env bash
# Installs what is missing, builds everything once with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (tests, benchmarks and fuzz targets included), and runs the whole
# test suite: unit, GUI (offscreen), serial end-to-end against the simulated instrument, corpus
# replay and a short fuzzing run of each fuzz target. Then it builds the Debian package and checks
# it without installing it. Arguments go to ctest and run only the tests they choose, without the
# package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=${QUILLON_TEST_BUILD:-build/test}
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DQUILLON_SANITIZE=ON \
    -DBUILD_TESTING=ON \
    -DQUILLON_BENCH=ON \
    -DQUILLON_FUZZ=ON
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"

if [ $# -eq 0 ]; then
    scripts/package.sh
    scripts/check-package.sh
fi
