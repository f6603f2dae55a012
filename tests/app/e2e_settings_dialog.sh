#!/bin/bash
# End to end, on the real program in a private Xvfb display: the countdown window's settings
# button opens the settings dialog in its place; an event typed there, added, changed from the
# keyboard and confirmed with OK is stored as the active event, and the new countdown window
# counts down to it.
#
# usage: e2e_settings_dialog.sh <quorvane> [lsan suppressions]
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/e2e.sh"

exe=$1
export LSAN_OPTIONS="suppressions=${2:-/dev/null}:print_suppressions=0"
description="Launch party"
changed="Launch anniversary"
date="2004-01-19 01:15"

require_tools Xvfb xdotool
e2e_begin

# The visible window of the program with exactly this title; its id on stdout.
window() { find_window "^$1\$"; }
has_window() { [ -n "$(window "$1")" ]; }

start_display
private_home
conf=$settings_file

# The countdown window closes itself ten seconds after it opens; on a machine so busy that
# the click comes too late, start over.
for attempt in 1 2 3; do
    start_program "$exe"
    until_ok 60 has_window Quorvane || fail "the countdown window did not open"
    main=$(window Quorvane)
    # cmdConfig: 33 x 21 pixels at 352, 272 of the client area.
    xdotool mousemove --sync --window "$main" 368 282 click 1
    until_ok 15 has_window Settings && break
    running && fail "a click on the settings button opened no settings dialog"
    echo "attempt $attempt: the countdown window closed before the click; starting again"
    wait "$app"
    app=""
done
dialog=$(window Settings)
[ -n "$dialog" ] || fail "the settings dialog did not open"
has_window Quorvane && fail "the countdown window is still open beside the settings dialog"

# txtDescription at 16, 192 and txtDate at 16, 232, 321 x 19 each; cmdAdd at 16, 256, 69 x 25;
# cmdOk at 168, 320, 81 x 25.
xdotool mousemove --sync --window "$dialog" 100 201 click 1
xdotool type --delay 20 "$description"
xdotool mousemove --sync --window "$dialog" 100 241 click 1
xdotool type --delay 20 "$date"
xdotool mousemove --sync --window "$dialog" 56 268 click 1
# From Add, Tab goes to the description box, then past the date box to Every year and Change.
xdotool key --delay 50 Tab
xdotool type --delay 20 "$changed"
xdotool key --delay 50 Tab Tab space Tab space
xdotool mousemove --sync --window "$dialog" 208 332 click 1

until_ok 30 has_window "$changed" || fail "no countdown window titled \"$changed\" opened"
has_window Settings && fail "the settings dialog is still open beside the countdown window"

[ -f "$conf" ] || fail "no settings file at $conf"
for line in "[countdown]" "d1=$date" "t1=$changed" "r1=yearly" "Active=1" \
    "Wallpaper=veltor://default"; do
    grep -qxF "$line" "$conf" || { cat "$conf" >&2; fail "the settings file lacks \"$line\""; }
done

# The new countdown window closes itself, and with it the program, cleanly.
wait_exit 60 "the program did not end after auto-close"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS"
