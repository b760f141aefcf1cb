#!/usr/bin/env bash
# Draws the message box's four 32 x 32 icons and the about box's logo with ImageMagick, at four
# times the size and scaled down for smooth edges. The pictures are 24-bit colour on the window
# surface colour (238, 238, 238), which the dialogs make transparent. The PNGs are committed;
# run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/dialogs"

bg='rgb(238,238,238)'
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

finish() { # canvas in, 32 x 32 RGB PNG out
    convert - -resize 32x32 -background "$bg" -flatten -type TrueColor \
        -depth 8 -define png:color-type=2 -strip "$1"
}

# A light speech bubble with its tail at the lower left, for information and questions.
bubble=(-fill 'rgb(250,252,255)' -stroke 'rgb(90,120,170)' -strokewidth 5
    -draw 'roundrectangle 8,8 120,96 30,30'
    -draw 'polygon 26,90 18,122 58,94'
    -stroke none -fill 'rgb(250,252,255)' -draw 'rectangle 28,86 54,98')

convert -size 128x128 xc:"$bg" \
    -fill 'rgb(120,90,0)' -draw 'polygon 64,4 124,118 4,118' \
    -fill 'rgb(255,210,40)' -draw 'polygon 64,16 113,111 15,111' \
    -fill 'rgb(30,30,30)' -draw 'roundrectangle 57,40 71,84 6,6' \
    -draw 'circle 64,98 64,90' \
    png:- | finish warning.png

convert -size 128x128 xc:"$bg" \
    -fill 'rgb(140,10,10)' -draw 'circle 64,64 64,4' \
    -fill 'rgb(220,40,40)' -draw 'circle 64,64 64,10' \
    -stroke white -strokewidth 14 -draw 'line 42,42 86,86' -draw 'line 86,42 42,86' \
    png:- | finish error.png

convert -size 128x128 xc:"$bg" "${bubble[@]}" \
    -fill 'rgb(30,80,200)' -draw 'circle 64,28 64,20' \
    -draw 'roundrectangle 56,42 72,84 4,4' \
    png:- | finish information.png

convert -size 128x128 xc:"$bg" "${bubble[@]}" \
    -fill 'rgb(30,80,200)' -font "$font" -pointsize 80 -gravity center \
    -annotate +0-10 '?' \
    png:- | finish confirmation.png

# The maker's logo: a blue tile with a white V.
convert -size 128x128 xc:"$bg" \
    -fill 'rgb(20,60,140)' -draw 'roundrectangle 6,6 122,122 22,22' \
    -fill 'rgb(60,120,210)' -draw 'roundrectangle 14,14 114,64 16,16' \
    -fill white -draw 'polygon 28,30 46,30 64,84 82,30 100,30 72,102 56,102' \
    png:- | finish logo.png
