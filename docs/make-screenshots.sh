#!/usr/bin/env bash
# make-screenshots.sh [quorvane]: makes the README's pictures, docs/countdown.png and
# docs/settings.png, by running the program in a private Xvfb display with example settings and
# clicking the settings button. Without an argument it first builds build/release as
# scripts/run.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/xvfb.sh

if [ $# -ge 1 ]; then
    exe=$(realpath "$1")
else
    scripts/deps.sh
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF >/dev/null
    cmake --build build/release -j "$(nproc)" --target quorvane
    exe=$PWD/build/release/src/quorvane
fi
out=$PWD/docs

tmp=$(mktemp -d)
app=""
trap 'stop_pids "$app" "$xvfb"; rm -rf "$tmp"' EXIT
fail() {
    echo "make-screenshots: $*" >&2
    exit 1
}

xvfb_start "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quorvane" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# An example list: a few events of a year ahead, the second one counted down to.
year=$(($(date +%Y) + 1))
printf '%s\n' '[countdown]' 'Wallpaper=veltor://default' 'Active=2' \
    "d1=$year-03-14 09:30" 't1=Conference talk' \
    "d2=$year-07-01 18:00" 't2=Summer holidays' \
    "d3=$year-12-24 17:00" 't3=Christmas Eve' >"$XDG_CONFIG_HOME/Quorvane/Quorvane.conf"

# wait_window <title regex>: prints the id of the shown window with that title.
wait_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$app" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

"$exe" &
app=$!
main=$(wait_window '^Summer holidays$') || fail "the countdown window did not appear"
# After the first refresh that follows the first paint.
sleep 1.5
import -window "$main" "$tmp/countdown.png"

xdotool mousemove --window "$main" 360 280 click 1
settings=$(wait_window '^Settings$') || fail "the settings dialog did not open"
sleep 1
import -window "$settings" "$tmp/settings.png"

for picture in countdown settings; do
    convert "$tmp/$picture.png" -strip "$out/$picture.png"
    echo "$out/$picture.png: $(identify -format '%wx%h' "$out/$picture.png")"
done
