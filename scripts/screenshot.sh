#!/usr/bin/env bash
# screenshot.sh <quorvane> [out.png]: runs the program in a private Xvfb display, waits for
# the countdown window and its first refresh, and saves a picture of the window.
set -euo pipefail
exe=$1
out=${2:-$PWD/quorvane-screenshot.png}

tmp=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and reports it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb

"$exe" &
app=$!
id=""
for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended before it showed a window" >&2; exit 1; }
    sleep 0.2
done
[ -n "$id" ] || { echo "no window appeared" >&2; exit 1; }
# Let the readout refresh once after the window first painted.
sleep 1.5
import -window "$id" "$out"
echo "No display here: the countdown ran under Xvfb; screenshot of its window saved to $out"
