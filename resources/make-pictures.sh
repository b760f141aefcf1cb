#!/usr/bin/env bash
# Draws the main window's pictures into resources/pictures/: the three header banners
# (1152 x 105: a grey-blue gradient band, the program name with the mode word, an abstract
# illustration at the right edge, white below), the button-row strip (1152 x 45, the gradient
# alone) and the three 16 x 16 menu images. Needs ImageMagick and the DejaVu fonts (Debian).
# The output is committed; run this again only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")/pictures"

bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
book=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
top='#e8edf3'    # light end of the band: the dark title and customer line stand on it
bottom='#5b7391' # dark end: the white header text with its shadow stands on it
band=101         # height of the band; the rest of the banner is white
export MAGICK_TIME_LIMIT=60

# The band: a vertical gradient over white, shared by all banners.
convert -size 1152x105 xc:white \
    \( -size 1152x${band} gradient:"${top}-${bottom}" \) -geometry +0+0 -composite \
    -fill '#3e536d' -draw "rectangle 0,$((band - 1)) 1151,$((band - 1))" band.png

# Program name and mode word, right of the labels' area, on the light part of the band.
title() { # $1 image, $2 mode word
    convert "$1" \
        -font "$bold" -pointsize 30 -fill '#2f4660' -annotate +650+40 'Hovlo' \
        -font "$book" -pointsize 20 -fill '#4d6480' -annotate +758+40 "$2" "$1"
}

# Illustrations, each in a 190 x 101 field at the right edge (x 962..1151).
online() { # two speech bubbles and a globe of circles
    convert "$1" -strokewidth 2 \
        -fill '#ffffff80' -stroke '#ffffffc0' -draw 'circle 1090,50 1090,10' \
        -fill none -stroke '#ffffff90' -draw 'ellipse 1090,50 18,40 0,360' \
        -draw 'line 1050,50 1130,50' -draw 'ellipse 1090,50 40,14 0,360' \
        -fill '#f4b860' -stroke '#c98a2e' -draw 'roundrectangle 985,18 1045,52 8,8' \
        -draw 'polygon 995,52 1005,52 992,64' \
        -fill '#9fd3a8' -stroke '#5e9c69' -draw 'roundrectangle 1010,58 1062,88 8,8' \
        -draw 'polygon 1050,88 1058,88 1062,97' "$1"
}
fax() { # a machine with a sheet coming out and signal arcs
    convert "$1" -strokewidth 2 \
        -fill '#ffffff' -stroke '#c6d0db' -draw 'polygon 1020,8 1080,8 1085,48 1015,48' \
        -stroke '#9aa9ba' -strokewidth 1 -draw 'line 1030,20 1070,20' -draw 'line 1030,28 1066,28' \
        -draw 'line 1030,36 1070,36' -strokewidth 2 \
        -fill '#3f5570' -stroke '#2c3d52' -draw 'roundrectangle 995,44 1105,90 8,8' \
        -fill '#f4b860' -stroke '#c98a2e' -draw 'rectangle 1010,56 1050,70' \
        -fill '#9fd3a8' -stroke '#5e9c69' -draw 'circle 1070,63 1070,57' -draw 'circle 1088,63 1088,57' \
        -draw 'circle 1070,78 1070,72' -draw 'circle 1088,78 1088,72' \
        -fill none -stroke '#ffffffb0' -draw 'arc 1100,0 1140,40 270,360' \
        -draw 'arc 1092,-8 1148,48 270,360' "$1"
}
letter() { # an envelope with a sheet and a stamp
    convert "$1" -strokewidth 2 \
        -fill '#ffffff' -stroke '#c6d0db' -draw 'polygon 1010,10 1090,4 1098,60 1018,66' \
        -stroke '#9aa9ba' -strokewidth 1 -draw 'line 1024,20 1080,16' -draw 'line 1026,30 1082,26' \
        -draw 'line 1027,40 1070,37' -strokewidth 2 \
        -fill '#f1e2c4' -stroke '#b89a62' -draw 'rectangle 990,40 1130,96' \
        -fill none -draw 'polyline 990,40 1060,74 1130,40' \
        -fill '#f4b860' -stroke '#c98a2e' -draw 'rectangle 1106,46 1124,62' "$1"
}

cp band.png online.png && title online.png 'Online-Support' && online online.png
cp band.png fax.png && title fax.png 'Fax' && fax fax.png
cp band.png letter.png && title letter.png 'Brief' && letter letter.png
convert online.png -quality 92 LogoOnline.jpg
convert fax.png -quality 92 LogoFax.jpg
convert letter.png -quality 92 LogoBrief.jpg

# The button-row strip: the gradient alone, kept light so that the row's black texts read.
convert -size 1152x45 gradient:'#f3f6f9-#c3cfdc' -quality 92 Border.jpg

# Menu images: 0 a page (not shown by the menu), 1 a printer, 2 an information symbol.
convert -size 16x16 xc:none -fill white -stroke '#5b7391' \
    -draw 'polygon 3,1 10,1 13,4 13,14 3,14' -stroke '#9aa9ba' \
    -draw 'line 5,6 11,6' -draw 'line 5,9 11,9' -draw 'line 5,12 9,12' Menu0.png
convert -size 16x16 xc:none -stroke '#3e536d' -fill white -draw 'rectangle 4,1 11,6' \
    -fill '#7d93ad' -draw 'roundrectangle 1,5 14,11 1,1' \
    -fill white -draw 'rectangle 4,9 11,14' -stroke '#9aa9ba' -draw 'line 5,11 10,11' \
    -stroke none -fill '#9fd3a8' -draw 'point 12,7' Menu1.png
convert -size 16x16 xc:none -fill '#2f6fb7' -stroke '#1f4f86' -draw 'circle 7.5,7.5 7.5,0.5' \
    -stroke none -fill white -draw 'rectangle 7,6 8,12' -draw 'rectangle 6,6 7,6' \
    -draw 'rectangle 6,12 9,12' -draw 'circle 7.5,3.5 7.5,2.6' Menu2.png

rm -f band.png online.png fax.png letter.png
