#!/usr/bin/env bash
# countdown.sh <case> <quorvane> <xclose>: runs the real program in a private Xvfb display with
# private settings, cache and home folders, and checks what its user would see.
#   autoclose  empty store: a window titled "Quorvane" that closes itself about ten seconds
#              after the start, exit status 0, and no settings file written
#   seeded     a stored event is active: its description is the title; the window's close
#              button ends the program at once with status 0; the settings file is untouched
#   settings   the settings button closes the countdown and opens the settings dialog without
#              ending the program; closing the dialog then ends it with status 0
set -euo pipefail
case=$1
exe=$2
xclose=$3
source "$(dirname "$0")/../../scripts/lib/e2e.sh"
fail_prefix="FAIL ($case)"

require_tools Xvfb xdotool xprop import convert
e2e_begin

# since <start>: seconds elapsed since start, to the millisecond.
since() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", b - a }'; }
# within <value> <low> <high>: true when low <= value <= high.
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

start_display
private_home
conf=$settings_file
# In a sanitizer build: libxkbcommon-x11, loaded by Qt's X11 platform, passes strndup a buffer
# that is not NUL-terminated, which is valid but trips AddressSanitizer's strict string checks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

title() {
    xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

case $case in
autoclose)
    start_program "$exe"
    id=$(wait_window '^Quorvane$' 60) || fail "no window titled Quorvane appeared"
    [ "$(title "$id")" = Quorvane ] || fail "title is '$(title "$id")'"
    # As the X server shows it: the wallpaper behind the readout, the Auto-Close row black.
    sleep 1
    import -window "$id" "$tmp/window.png"
    sum() { echo "%[fx:int(255 * (p{$1}.r + p{$1}.g + p{$1}.b))]"; }
    read -r row sky < <(convert "$tmp/window.png" -format "$(sum 200,284) $(sum 5,30)\n" info:)
    [ "$row" -eq 0 ] || fail "the Auto-Close row is not black"
    [ "$sky" -gt 0 ] || fail "no wallpaper behind the readout"
    wait_exit 60
    elapsed=$(since "$started")
    [ "$status" -eq 0 ] || fail "exit status $status"
    # The ten seconds run from the window's opening, which comes after the start.
    within "$elapsed" 9.9 40 || fail "ended ${elapsed} s after the start"
    files=$(find "$XDG_CONFIG_HOME" -type f)
    [ -z "$files" ] || fail "files were written: $files"
    echo "PASS: window 'Quorvane' closed itself ${elapsed} s after the start, status 0"
    ;;
seeded)
    mkdir -p "$(dirname "$conf")"
    printf '%s\n' '[countdown]' 'Wallpaper=veltor://default' 'Active=2' \
        'd1=2004-01-19 01:15' 't1=First' 'd2=2030-01-01 00:00' 't2=Launch party, 2030' >"$conf"
    before=$(md5sum <"$conf")
    start_program "$exe"
    id=$(wait_window '^Launch party' 60) || fail "no window titled 'Launch party, 2030' appeared"
    shown=$EPOCHREALTIME
    [ "$(title "$id")" = "Launch party, 2030" ] || fail "title is '$(title "$id")'"
    "$xclose" "$id"
    wait_exit 30
    [ "$status" -eq 0 ] || fail "exit status $status"
    # Well before the auto-close, so it was the close button that ended the program.
    within "$(since "$shown")" 0 8 || fail "ended $(since "$shown") s after the window showed"
    [ "$(md5sum <"$conf")" = "$before" ] || fail "the settings file was changed"
    echo "PASS: title 'Launch party, 2030'; the close button ended the program with status 0"
    ;;
settings)
    start_program "$exe"
    id=$(wait_window '^Quorvane$' 60) || fail "no window titled Quorvane appeared"
    xdotool mousemove --window "$id" 360 280 click 1
    settings=$(wait_window '^Settings$' 30) || fail "the settings dialog did not open"
    # A program that quit with its last window would be gone by now.
    sleep 2
    running || fail "the program ended when the countdown window closed"
    if [ -n "$(find_window '^Quorvane$')" ]; then
        fail "the countdown window is still open beside the settings dialog"
    fi
    "$xclose" "$settings"
    wait_exit 30
    [ "$status" -eq 0 ] || fail "exit status $status"
    echo "PASS: the settings button swapped the windows; closing the dialog ended with status 0"
    ;;
*)
    echo "unknown case: $case" >&2
    exit 2
    ;;
esac
