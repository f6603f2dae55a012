#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts the countdown. Without a display it
# runs under Xvfb and saves a screenshot of the window instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target quorvane

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/src/quorvane
fi
exec scripts/screenshot.sh build/release/src/quorvane
