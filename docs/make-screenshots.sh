#!/usr/bin/env bash
# make-screenshots.sh [--lang xx] [--scale n] [--out folder] [quorvane]: makes the README's
# pictures, docs/countdown.png and docs/settings.png, by running the program in a private Xvfb
# display with example settings and clicking the settings button. Without a program it first
# builds build/release as scripts/run.sh does.
#
# For translators: --lang shows the windows in that language (as LANGUAGE=xx would) and adds a
# message box (the one for a date typed wrongly) as message-xx.png; the pictures are named
# countdown-xx.png and so on. --scale shows them at that display scale (QT_SCALE_FACTOR), named
# with @<n>x; --out puts them in another folder. For example:
#   docs/make-screenshots.sh --lang de --scale 2 --out /tmp/shots build/release/quorvane
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/e2e.sh
fail_prefix=make-screenshots

lang="" scale=1 out=$PWD/docs
while [ $# -gt 0 ]; do
    case $1 in
    --lang) lang=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --out) out=$(realpath -m "$2"); shift 2 ;;
    -*) fail "unknown option $1" ;;
    *) break ;;
    esac
done
if [ $# -ge 1 ]; then
    exe=$(realpath "$1")
else
    scripts/deps.sh
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target quorvane
    exe=$PWD/build/release/quorvane
fi
suffix=${lang:+-$lang}
[ "$scale" = 1 ] || suffix+="@${scale}x"
mkdir -p "$out"

# A point of a window, given at scale 1, where xdotool finds it at the display scale.
scaled() { awk -v s="$scale" -v x="$1" -v y="$2" 'BEGIN { printf "%d %d", x * s, y * s }'; }

# A window of the program other than the one given, once it is shown.
wait_other_window() {
    local deadline=$((SECONDS + 30)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --all --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$id" = "$1" ] || { echo "$id"; return 0; }
        done
        running || return 1
        sleep 0.2
    done
    return 1
}

e2e_begin
start_display
private_home
export LC_ALL=C.UTF-8
# Qt takes the language from LANGUAGE first; dates and figures stay as they are in any language.
if [ -n "$lang" ]; then
    export LANGUAGE=$lang
fi
export QT_SCALE_FACTOR=$scale
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

# shellcheck disable=SC2046 # two numbers
xdotool mousemove --window "$main" $(scaled 360 280) click 1
settings=$(wait_other_window "$main") || fail "the settings dialog did not open"
sleep 1
import -window "$settings" "$tmp/settings.png"
pictures=(countdown settings)

if [ -n "$lang" ]; then
    # Add with no date typed: the message that shows the date format.
    # shellcheck disable=SC2046
    xdotool mousemove --window "$settings" $(scaled 50 268) click 1
    message=$(wait_other_window "$settings") || fail "the message box did not open"
    sleep 1
    import -window "$message" "$tmp/message.png"
    pictures+=(message)
fi

for picture in "${pictures[@]}"; do
    convert "$tmp/$picture.png" -strip "$out/$picture$suffix.png"
    echo "$out/$picture$suffix.png: $(identify -format '%wx%h' "$out/$picture$suffix.png")"
done
