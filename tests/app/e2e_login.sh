#!/bin/bash
# End to end, on the real program in a private Xvfb display: "Show the countdown when I log in"
# ticked and confirmed with OK writes a valid autostart entry that starts this program; a
# restart with --settings shows the box ticked, and clearing it with OK removes the entry.
# Then --keep-open: the countdown stays open past its ten seconds.
#
# usage: e2e_login.sh <quorvane> [lsan suppressions]
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/e2e.sh"

exe=$1
export LSAN_OPTIONS="suppressions=${2:-/dev/null}:print_suppressions=0"

require_tools Xvfb xdotool desktop-file-validate
e2e_begin

window() { find_window "^$1\$"; }
has_window() { [ -n "$(window "$1")" ]; }

start_display
private_home
entry=$XDG_CONFIG_HOME/autostart/quorvane.desktop

# In the settings dialog of a program started with --settings: click the login box, then OK;
# the countdown opens in the dialog's place. chkLogin lies at 16, 296 (321 x 17), its box at
# the left; cmdOk at 168, 320 (81 x 25).
toggle_login_and_ok() {
    start_program "$exe" --settings
    local dialog
    dialog=$(wait_window '^Settings$' 60) || fail "--settings opened no settings dialog"
    has_window Quorvane && fail "--settings opened the countdown beside the dialog"
    xdotool mousemove --sync --window "$dialog" 23 304 click 1
    xdotool mousemove --sync --window "$dialog" 208 332 click 1
    until_ok 30 has_window Quorvane || fail "OK opened no countdown window"
    stop_pids "$app"
    app=""
}

toggle_login_and_ok
[ -f "$entry" ] || fail "no login entry at $entry after ticking the box and OK"
out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate does not accept the entry: $out"
grep -qxF "Exec=$(realpath "$exe")" "$entry" ||
    fail "the entry does not start this program: $(grep '^Exec=' "$entry")"
[ "$(ls -A "$XDG_CONFIG_HOME/autostart")" = quorvane.desktop ] ||
    fail "the autostart folder holds more than the entry: $(ls -A "$XDG_CONFIG_HOME/autostart")"

# Had the restarted dialog shown the box clear, the click would tick it and OK keep the entry:
# the entry is gone only if the box opened ticked.
toggle_login_and_ok
[ ! -e "$entry" ] || fail "the login entry is still there after clearing the box and OK"

start_program "$exe" --keep-open
until_ok 60 has_window Quorvane || fail "--keep-open opened no countdown window"
sleep 12
running || fail "the countdown closed itself despite --keep-open"
echo "PASS"
