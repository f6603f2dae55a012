#!/usr/bin/env bash
# Installs what is missing, builds Quorvane twice (warnings as errors; AddressSanitizer with
# UndefinedBehaviorSanitizer) and runs every test of both builds through CTest, then builds the
# fuzz targets and runs each for a bounded time, then cross-builds the program for Windows and
# runs its tests under Wine. Each build is a preset of CMakePresets.json, whose test presets
# carry the sanitizer options.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test

jobs=$(nproc)
status=0
for preset in werror asan; do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== test: $preset"
    ctest --preset "$preset" -j "$jobs" || status=1
done

# The fuzz targets need clang's libFuzzer; each runs for a bounded time (QUORVANE_FUZZ_SECONDS).
if command -v clang++ >/dev/null; then
    echo "== build: fuzz"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    echo "== fuzz (crashing inputs are kept in build/fuzz/fuzz-artifacts)"
    ctest --preset fuzz || status=1
else
    echo "clang++ is missing: the fuzz targets were not run" >&2
    status=1
fi

# The Windows build needs Qt for Windows, an archive kept outside the sources
# (cmake/WindowsQtArchive.cmake says where it is looked for); without it the stage is skipped.
if [ -n "$(cmake -P cmake/WindowsQtArchive.cmake)" ]; then
    echo "== build: windows"
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j "$jobs"
    echo "== test: windows (under Wine)"
    ctest --preset windows -j "$jobs" || status=1
else
    echo "SKIP: Windows build: Qt for Windows not found at \$QUORVANE_WINDOWS_QT," \
        "../shared/winqt or /work/shared/winqt (qt-6.4.2-mingw-x86_64.tar.xz)"
fi
exit $status
