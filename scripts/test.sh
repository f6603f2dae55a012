#!/usr/bin/env bash
# Installs what is missing, builds Quorvane twice (warnings as errors; AddressSanitizer with
# UndefinedBehaviorSanitizer) and runs every test of both builds through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test

jobs=$(nproc)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for variant in werror asan; do
    flags=(-DQUORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    [ "$variant" = asan ] && flags=(-DQUORVANE_WERROR=ON -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    echo "== build: $variant"
    cmake -S . -B "build/$variant" -G Ninja "${flags[@]}" >/dev/null
    cmake --build "build/$variant" -j "$jobs"
    echo "== test: $variant"
    ctest --test-dir "build/$variant" --output-on-failure -j "$jobs" || status=1
done

# The fuzz targets need clang's libFuzzer; each runs for a bounded time (QUORVANE_FUZZ_SECONDS).
if command -v clang++ >/dev/null; then
    echo "== build: fuzz"
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DQUORVANE_FUZZ=ON \
        -DQUORVANE_WERROR=ON -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/fuzz -j "$jobs" --target fuzz_date fuzz_store fuzz_picture
    echo "== fuzz (crashing inputs are kept in build/fuzz/fuzz-artifacts)"
    FUZZ_ARTIFACTS=$PWD/build/fuzz ctest --test-dir build/fuzz --output-on-failure || status=1
else
    echo "clang++ is missing: the fuzz targets were not run" >&2
    status=1
fi
exit $status
