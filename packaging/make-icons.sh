#!/usr/bin/env bash
# Makes the installed icons from the program's own window icon (resources/icon16.png and
# resources/icon32.png): the hicolor PNGs for Linux desktops, quorvane.ico for Windows and
# quorvane.icns for macOS. Larger sizes are whole-number enlargements of the 16 and 32 pixel
# pictures, so every edge stays as crisp as in the window's title bar.
# The output is committed; run this again only when the window icon changes.
# Needs ImageMagick (convert) and, for the .icns, png2icns from icnsutils.
set -euo pipefail
cd "$(dirname "$0")"
src=../resources
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# size source factor
sizes=(
    "16 icon16 1"
    "32 icon32 1"
    "48 icon16 3"
    "64 icon32 2"
    "128 icon32 4"
    "256 icon32 8"
)
for entry in "${sizes[@]}"; do
    read -r size picture factor <<<"$entry"
    dir=icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    convert "$src/$picture.png" -filter point -resize "$((factor * 100))%" \
        -strip -define png:exclude-chunks=date,time PNG32:"$dir/quorvane.png"
    cp "$dir/quorvane.png" "$tmp/$size.png"
done

convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" windows/quorvane.ico
png2icns macos/quorvane.icns "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/128.png" \
    "$tmp/256.png" >/dev/null

identify icons/hicolor/*/apps/quorvane.png windows/quorvane.ico
ls -l macos/quorvane.icns
