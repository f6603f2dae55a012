#!/usr/bin/env bash
# screenshot.sh <quorvane> [out.png]: runs the program in a private Xvfb display, waits for
# the countdown window and its first refresh, and saves a picture of the window.
set -euo pipefail
exe=$1
out=${2:-$PWD/quorvane-screenshot.png}
source "$(dirname "$0")/lib/e2e.sh"
fail_prefix=""

e2e_begin
start_display
start_program "$exe"
id=$(wait_window "" 30) || {
    running || fail "the program ended before it showed a window"
    fail "no window appeared"
}
# Let the readout refresh once after the window first painted.
sleep 1.5
import -window "$id" "$out"
echo "No display here: the countdown ran under Xvfb; screenshot of its window saved to $out"
