#!/usr/bin/env bash
# End to end under Wine and Xvfb, on the ZIP package as a user unpacks it: every library it
# loads is in it or is Windows' own; the countdown window closes itself about ten seconds after
# the start with status 0 and writes nothing; an event added in the settings dialog and
# confirmed with OK is in the registry, where a second start reads it; a later start hands over
# to the running program; --version and --help print.
#
# usage: e2e.sh <cpack> <build folder> <objdump> <wine.sh> <wine prefix> <version>
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/e2e.sh"
cpack=$1
build=$2
objdump=$3
wine_sh=$4
prefix=$5
version=$6
description="Launch party"
date="2004-01-19 01:15"
key='HKCU\Software\Quorvane'

require_tools Xvfb xdotool wine flock
e2e_begin
# Wine's server and desktop, left by the other tests (CTest runs this one alone), would show
# windows on their display, or on none: they start afresh on this one, and end with it.
stop_wine() { WINEPREFIX=$prefix wineserver -k 2>/dev/null && WINEPREFIX=$prefix wineserver -w; }
e2e_on_exit() { stop_wine; }
stop_wine

# The package as a user unpacks it.
"$cpack" -G ZIP --config "$build/CPackConfig.cmake" -B "$tmp/package" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack made no ZIP: $(cat "$tmp/cpack.log")"
mkdir "$tmp/unpacked"
(cd "$tmp/unpacked" && cmake -E tar xf "$tmp"/package/quorvane-*.zip) || fail "the ZIP did not unpack"
folder=$(echo "$tmp"/unpacked/quorvane-*)
exe=$folder/quorvane.exe
[ -f "$exe" ] || fail "no quorvane.exe at the top of the ZIP"

# Windows' own libraries are those Wine stands in for, and the API sets its loader resolves.
lower() { tr '[:upper:]' '[:lower:]'; }
own=$( (cd "$folder" && find . -name '*.dll' -printf '%f\n'; ls /usr/lib/x86_64-linux-gnu/wine/x86_64-windows) | lower)
while IFS= read -r -d '' file; do
    for dll in $("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | lower); do
        [[ $dll == api-ms-win-* ]] || grep -qxF "$dll" <<<"$own" ||
            fail "${file#"$folder"/} needs $dll, which is neither in the ZIP nor part of Windows"
    done
done < <(find "$folder" \( -name '*.dll' -o -name '*.exe' \) -print0)

start_display
unset QT_QPA_PLATFORM # the program chooses Qt's windows platform; this one is for Linux
# The package's program, with nothing of the build's Qt.
quorvane=("$wine_sh" "$prefix" - - "$exe")
# The values of the program's registry key, one a line; nothing when there is no key. What reg
# said when it found none is in $tmp/reg.log.
values() {
    local out
    out=$("$wine_sh" "$prefix" - - reg query "$key\\Quorvane\\countdown" 2>&1) ||
        { echo "reg query: status $?: $out" >"$tmp/reg.log"; return 0; }
    tr -d '\r' <<<"$out"
}
# close <window>: the window's close, as Alt+F4 asks for it.
close() { xdotool windowfocus --sync "$1" key alt+F4; }
"$wine_sh" "$prefix" - - reg delete "$key" /f >/dev/null 2>&1

# Text mode: lines end with CR LF on Windows.
out=$("${quorvane[@]}" --version 2>&1 | tr -d '\r') && [ "$out" = "quorvane $version" ] ||
    fail "--version printed \"$out\""
out=$("${quorvane[@]}" --help 2>&1 | tr -d '\r') && [ "$(head -n 1 <<<"$out")" = "Usage: quorvane [options]" ] ||
    fail "--help printed \"$out\""

start_program "${quorvane[@]}"
wait_window '^Quorvane$' 60 >/dev/null || fail "no window titled Quorvane appeared"
wait_exit 60
elapsed=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
[ "$status" -eq 0 ] || fail "the countdown ended with status $status"
awk -v t="$elapsed" 'BEGIN { exit !(t >= 9.9 && t <= 40) }' || fail "ended $elapsed s after the start"
[ -z "$(values)" ] || fail "settings were written: $(values)"

start_program "${quorvane[@]}" --settings
dialog=$(wait_window '^Settings$' 60) || fail "the settings dialog did not open"
# As on Linux: txtDescription, txtDate, cmdAdd, then cmdOk, in the dialog's own coordinates.
xdotool mousemove --sync --window "$dialog" 100 201 click 1 type --delay 20 "$description"
xdotool mousemove --sync --window "$dialog" 100 241 click 1 type --delay 20 "$date"
xdotool mousemove --sync --window "$dialog" 56 268 click 1
xdotool mousemove --sync --window "$dialog" 208 332 click 1
main=$(wait_window "^$description\$" 30) || fail "no countdown window titled \"$description\""
rm -f "$tmp/reg.log"
for value in "d1 REG_SZ $date" "t1 REG_SZ $description" "Active REG_SZ 1" \
    "Wallpaper REG_SZ veltor://default"; do
    values | sed 's/^ *//; s/    / /g' | grep -qxF "$value" ||
        fail "the registry lacks \"$value\": $(values) $(cat "$tmp/reg.log" 2>/dev/null)"
done
close "$main"
wait_exit 30 "the program did not end when its window was closed"
[ "$status" -eq 0 ] || fail "the program ended with status $status after the settings"

start_program "${quorvane[@]}"
main=$(wait_window "^$description\$" 60) || fail "a second start did not show \"$description\""
first=$app
app=""
out=$(timeout 60 "${quorvane[@]}" --settings 2>&1) ||
    fail "a later start did not hand over (status $?): $out"
app=$first
dialog=$(wait_window '^Settings$' 30) || fail "the running program opened no settings dialog"
close "$dialog"
wait_exit 30 "the program did not end when its dialog was closed"
[ "$status" -eq 0 ] || fail "the program ended with status $status after the hand-over"
echo "PASS: ZIP complete; closed itself after $elapsed s; registry written and read; handed over"
