#!/bin/bash
# End to end on Wayland: the real program in a private headless Wayland compositor, with no X11
# display and no platform chosen, runs on Qt's Wayland platform; its countdown window shows the
# active event's title and the right figures and closes itself after ten seconds with status
# 0; a later start with --settings opens the dialog in the running program; without Qt's
# Wayland platform and without X11 the program ends with one line. Outside tools
# cannot look into a Wayland client, so the program reports its windows itself
# (QUORVANE_TEST_REPORT).
#
# usage: e2e_wayland.sh <quorvane> [lsan suppressions]
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/e2e.sh"

exe=$1
export LSAN_OPTIONS="suppressions=${2:-/dev/null}:print_suppressions=0"
weston=""

require_tools weston
e2e_begin
e2e_on_exit() { stop_pids "$weston"; }
private_home

# A private compositor on a socket in the private runtime folder, seen by nothing else.
weston --backend=headless-backend.so --socket=quorvane-e2e --idle-time=0 --no-config \
    --log="$tmp/weston.log" >/dev/null 2>&1 &
weston=$!
until_ok 30 test -S "$XDG_RUNTIME_DIR/quorvane-e2e" ||
    fail "weston did not start: $(cat "$tmp/weston.log")"
unset DISPLAY QT_QPA_PLATFORM WAYLAND_SOCKET XDG_SESSION_TYPE
export WAYLAND_DISPLAY=quorvane-e2e TZ=UTC QUORVANE_TEST_REPORT=$tmp/report

# An event about 40 days ahead, to the minute.
target=$((($(date +%s) / 60 + 58000) * 60))
mkdir -p "$(dirname "$settings_file")"
printf '%s\n' '[countdown]' 'Active=1' "d1=$(date -u -d "@$target" '+%Y-%m-%d %H:%M')" \
    't1=Wayland test' >"$settings_file"

# The report's lines for one kind of window: platform, kind, title and the readout lines,
# separated by tabs.
lines_of() { grep -P "^[^\t]*\t$1\t" "$QUORVANE_TEST_REPORT" 2>/dev/null; }
has_lines() { [ -n "$(lines_of "$1")" ]; }

begun=$(date +%s)
start_program "$exe"
until_ok 60 has_lines frmMain || fail "no countdown window was reported"
first=$(lines_of frmMain | head -n 1 | cut -f1,3)
[ "$first" = "$(printf 'wayland\tWayland test')" ] || fail "the countdown was reported as '$first'"
wait_exit 60
ended=$(date +%s)
[ "$status" -eq 0 ] || fail "exit status $status"
((ended - begun >= 10 && ended - begun <= 40)) ||
    fail "the countdown closed $((ended - begun)) s after the start"
# Every reading is the whole days, hours, minutes and seconds to the target from one second
# of the run.
bad=$(lines_of frmMain | awk -F '\t' -v target="$target" -v lo="$((begun - 1))" -v hi="$ended" '
    { t = target - int($7)
      if (t < lo || t > hi || $4 != int(target / 86400) - int(t / 86400) " Days" ||
          $5 != int(target / 3600) - int(t / 3600) " Hrs." ||
          $6 != int(target / 60) - int(t / 60) " Min." || $7 != target - t " Sec.") print }')
[ -z "$bad" ] || fail "wrong figures: $bad"

# A later start hands --settings over to the running program (with a token, as a Wayland
# desktop would give it) and ends.
export QUORVANE_TEST_REPORT=$tmp/report2
start_program "$exe" --keep-open
until_ok 60 has_lines frmMain || fail "--keep-open opened no countdown"
rc=0
XDG_ACTIVATION_TOKEN=e2e-token timeout 20 "$exe" --settings >"$tmp/second.log" 2>&1 || rc=$?
[ "$rc" -eq 0 ] || fail "the later start ended with status $rc: $(cat "$tmp/second.log")"
until_ok 20 has_lines frmConfig || fail "--settings opened no dialog in the running program"
[ "$(lines_of frmConfig | cut -f1,3)" = "$(printf 'wayland\tSettings')" ] ||
    fail "the dialog was reported as '$(lines_of frmConfig)'"
running || fail "the running program ended"

# Without Qt's Wayland platform (here a copy of the program whose Qt finds no plugins) and
# without X11: one line and status 1.
mkdir -p "$tmp/bare/bin" "$tmp/bare/plugins"
cp "$exe" "$tmp/bare/bin/"
printf '[Paths]\nPlugins=%s\n' "$tmp/bare/plugins" >"$tmp/bare/bin/qt.conf"
rc=0
"$tmp/bare/bin/$(basename "$exe")" >"$tmp/bare.out" 2>"$tmp/bare.err" || rc=$?
[ "$rc" -eq 1 ] && [ ! -s "$tmp/bare.out" ] && [ "$(cat "$tmp/bare.err")" = "quorvane: cannot \
open a window: the Wayland display (WAYLAND_DISPLAY=\"quorvane-e2e\") needs Qt's Wayland platform \
plugin, which is not installed, and no X11 display can be reached (DISPLAY not set)" ] ||
    fail "without the Wayland platform: status $rc, $(cat "$tmp/bare.err")"
echo "PASS: on Wayland, right figures, closed after $((ended - begun)) s with status 0;" \
    "--settings handed over; one line without the platform"
