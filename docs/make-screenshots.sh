#!/usr/bin/env bash
# make-screenshots.sh [quorvane]: makes the README's pictures, docs/countdown.png and
# docs/settings.png, by running the program in a private Xvfb display with example settings and
# clicking the settings button. Without an argument it first builds build/release as
# scripts/run.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/e2e.sh
fail_prefix=make-screenshots

if [ $# -ge 1 ]; then
    exe=$(realpath "$1")
else
    scripts/deps.sh
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target quorvane
    exe=$PWD/build/release/quorvane
fi
out=$PWD/docs

e2e_begin
start_display
private_home
export LC_ALL=C.UTF-8
mkdir -p "$(dirname "$settings_file")"

# An example list: a few events of a year ahead, the second one, which comes back every year,
# counted down to.
year=$(($(date +%Y) + 1))
printf '%s\n' '[countdown]' 'Wallpaper=veltor://default' 'Active=2' \
    "d1=$year-03-14 09:30" 't1=Conference talk' \
    "d2=$year-07-01 18:00" 't2=Summer holidays' 'r2=yearly' \
    "d3=$year-12-24 17:00" 't3=Christmas Eve' >"$settings_file"

start_program "$exe"
main=$(wait_window '^Summer holidays$' 30) || fail "the countdown window did not appear"
# After the first refresh that follows the first paint.
sleep 1.5
import -window "$main" "$tmp/countdown.png"

xdotool mousemove --window "$main" 360 280 click 1
settings=$(wait_window '^Settings$' 30) || fail "the settings dialog did not open"
sleep 1
import -window "$settings" "$tmp/settings.png"

for picture in countdown settings; do
    convert "$tmp/$picture.png" -strip "$out/$picture.png"
    echo "$out/$picture.png: $(identify -format '%wx%h' "$out/$picture.png")"
done
