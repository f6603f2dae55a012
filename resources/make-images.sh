#!/usr/bin/env bash
# Draws the built-in pictures with ImageMagick: the countdown wallpaper (a night sky, dark
# enough for white text), the window icon (32x32 and 16x16, and 64x64 for scaled displays) and the
# settings button picture (16x16, and 32x32 for scaled displays).
# The output is committed; run this again only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Wallpaper: deep blue to violet sky, stars, a crescent moon and a dark ridge at the bottom.
convert -size 380x295 gradient:'#03061a-#241646' "$tmp/sky.png"
convert -size 400x400 radial-gradient:'#3d2c72-black' -resize 380x200! "$tmp/glow.png"
convert "$tmp/sky.png" "$tmp/glow.png" -geometry +0+195 -compose Screen -composite "$tmp/sky.png"
# Stars at fixed pseudo-random places: mostly faint points, a few brighter ones with a halo.
stars=$(awk 'BEGIN {
    srand(11)
    for (i = 0; i < 140; i++) {
        x = int(rand() * 380); y = int(rand() * 235); v = int(60 + rand() * rand() * 195)
        if (x > 310 && y < 75) continue
        printf "fill rgb(%d,%d,%d) point %d,%d ", v, v, (v + 10 > 255 ? 255 : v + 10), x, y
    }
    for (i = 0; i < 9; i++) {
        x = 10 + int(rand() * 290); y = 5 + int(rand() * 200)
        printf "fill rgb(235,238,255) circle %d,%d %d.7,%d ", x, y, x, y
    }
}')
convert -size 380x295 xc:black -draw "$stars" \
    \( +clone -blur 0x1.2 -evaluate Multiply 0.8 \) -compose Screen -composite "$tmp/stars.png"
convert -size 380x295 xc:black \
    -fill '#fff3d0' -draw 'circle 338,46 338,30' \
    -fill black -draw 'circle 346,40 346,26' \
    \( +clone -blur 0x6 -evaluate Multiply 0.6 \) -compose Screen -composite "$tmp/moon.png"
convert "$tmp/sky.png" \
    "$tmp/stars.png" -compose Screen -composite \
    "$tmp/moon.png" -compose Screen -composite \
    -fill '#0b0a1c' -draw 'polygon 0,262 40,248 78,256 120,238 165,252 205,244 250,258 292,240 335,252 380,246 380,295 0,295' \
    -fill '#050410' -draw 'polygon 0,276 55,266 110,274 170,262 230,272 290,264 340,274 380,268 380,295 0,295' \
    "$tmp/wall.png"
# Through a JPEG, as the wallpaper always was, so that its pixels stay the same; decoded into
# a PNG, which the program reads without an image plugin. -quality 91: zlib level 9, rows
# unfiltered (as this ImageMagick writes them), which decode in two thirds of the work of
# filtered ones, at 3 kB more.
convert "$tmp/wall.png" -strip -type TrueColor -interlace None -sampling-factor 2x2 \
    -units PixelsPerInch -density 72 -quality 90 "$tmp/wall.jpg"
convert "$tmp/wall.jpg" -strip -quality 91 PNG24:wallpaper.png

# Window icon: a clock face, drawn separately at each size so both stay crisp.
convert -size 32x32 xc:none +antialias \
    -fill '#1c2a8c' -stroke white -strokewidth 2 -draw 'circle 15.5,15.5 15.5,2' \
    -stroke '#ffd24a' -strokewidth 2 -draw 'line 15.5,15.5 15.5,7' \
    -stroke white -strokewidth 2 -draw 'line 15.5,15.5 22,19' \
    -stroke none -fill white -draw 'point 15,15 point 16,16' \
    -colors 16 PNG8:icon32.png
convert -size 16x16 xc:none +antialias \
    -fill '#1c2a8c' -stroke white -strokewidth 1 -draw 'circle 7.5,7.5 7.5,1' \
    -stroke '#ffd24a' -draw 'line 7.5,7.5 7.5,3.5' \
    -stroke white -draw 'line 7.5,7.5 11,9.5' \
    -colors 16 PNG8:icon16.png
# The same face at twice the size of the 32x32 one, for displays scaled by 2.
convert -size 64x64 xc:none +antialias \
    -fill '#1c2a8c' -stroke white -strokewidth 4 -draw 'circle 31.5,31.5 31.5,4' \
    -stroke '#ffd24a' -strokewidth 4 -draw 'line 31.5,31.5 31.5,14' \
    -stroke white -strokewidth 4 -draw 'line 31.5,31.5 44,38' \
    -stroke none -fill white -draw 'rectangle 30,30 33,33' \
    -colors 16 PNG8:icon64.png

# Settings button picture: three sliders, white on the button's blue, a 4-bit bitmap.
convert -size 16x16 xc:'#0000ff' -stroke white -strokewidth 1 \
    -draw 'line 2,3 13,3 line 2,8 13,8 line 2,12 13,12' \
    -stroke none -fill '#ffd24a' \
    -draw 'rectangle 9,2 11,4 rectangle 4,7 6,9 rectangle 8,11 10,13' \
    -type Palette -colors 16 BMP3:config.bmp
# The same picture on a 32x32 grid, for scaled displays. No "@2x" in the name: that would tie it
# to a scale of exactly 2, and a display scaled by 1.5 would get the small one enlarged.
convert -size 32x32 xc:'#0000ff' -stroke none -fill white \
    -draw 'rectangle 4,6 27,7 rectangle 4,16 27,17 rectangle 4,24 27,25' \
    -fill '#ffd24a' \
    -draw 'rectangle 18,4 23,9 rectangle 8,14 13,19 rectangle 16,22 21,27' \
    -type Palette -colors 16 BMP3:config32.bmp

identify wallpaper.png icon64.png icon32.png icon16.png config.bmp config32.bmp
ls -l wallpaper.png icon64.png icon32.png icon16.png config.bmp config32.bmp
