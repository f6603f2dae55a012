#!/usr/bin/env bash
# screenshot.sh <quorvane> [out.png]: runs the program in a private Xvfb and saves a
# screenshot of its window.
set -euo pipefail
exe=$1
out=${2:-$PWD/quorvane-screenshot.png}
display=":$((90 + RANDOM % 100))"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY=$display "$exe" &
app=$!
sleep 3
DISPLAY=$display import -window root "$out"
kill $app 2>/dev/null || true
wait $app 2>/dev/null || true
echo "No display here: the countdown ran under Xvfb; screenshot saved to $out"
