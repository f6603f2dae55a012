#!/usr/bin/env bash
# screenshot.sh <quorvane> [out.png]: runs the program in a private Xvfb display, waits for
# the countdown window and its first refresh, and saves a picture of the window.
set -euo pipefail
exe=$1
out=${2:-$PWD/quorvane-screenshot.png}
source "$(dirname "$0")/lib/xvfb.sh"

tmp=$(mktemp -d)
app=""
trap 'stop_pids "$app" "$xvfb"; rm -rf "$tmp"' EXIT

xvfb_start "$tmp" || { echo "Xvfb did not start: $(cat "$tmp/xvfb.log")" >&2; exit 1; }
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
