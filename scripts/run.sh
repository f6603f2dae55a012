#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts the countdown. Without a display it
# runs under Xvfb and saves a screenshot of the window instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target quorvane

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/quorvane
fi
exec scripts/screenshot.sh build/release/quorvane
