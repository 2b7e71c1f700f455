#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the quiz's pictures with ImageMagick 6, drawn from scratch:
#   assets/scrollpic.jpg  the banner's first picture: the patchwork airship over
#                         fields on a sunny day, with grain so it reads as a photo
#   assets/image1.gif     "Brindlecast" with four twinkling stars, 12 frames on a
#                         transparent background (the program shows frame 1 on black)
#   assets/logo-2x.png    its frame 1 at twice the size, for the web page
#   data/1.jpg..10.jpg    ten pictures the banner scrolls through
# Every random texture uses a fixed seed, so each run writes the same pictures.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
assets="$here/../assets"
data="$here/../data"
mkdir -p "$assets" "$data"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

W=320 H=240
SERIF=DejaVu-Serif-Bold
SANS=DejaVu-Sans-Bold
# The companions' colours: Kest, Dorv, Oro, Bexal.
RED='#d8302a' GREEN='#2f9e48' BLUE='#5a4fd0' YELLOW='#f4b42a'

# --- Small generators -------------------------------------------------------

# Coordinates come from a Park-Miller generator in awk (exact in doubles), so
# they are the same whichever awk runs the script.
AWK_RND='function rnd() { s = (s * 16807) % 2147483647; return s / 2147483647 }
         BEGIN { for (k = 0; k < 5; k++) rnd() }'

# ridge SEED BASE AMPLITUDE [ROUGHNESS]: an MVG polygon of a hilly skyline
# around height BASE, filled down to the bottom (midpoint displacement).
ridge() {
    awk -v s="$1" -v base="$2" -v amp="$3" -v r="${4:-0.8}" -v w=$W -v h=$H "$AWK_RND"'
    BEGIN {
        n = 64; y[0] = base + (rnd() - .5) * amp; y[n] = base + (rnd() - .5) * amp
        for (step = n; step > 1; step /= 2)
            for (i = 0; i < n; i += step)
                y[i + step / 2] = (y[i] + y[i + step]) / 2 + (rnd() - .5) * amp * (step / n) ^ r
        printf "polygon 0,%d", h
        for (i = 0; i <= n; i++) printf " %.1f,%.1f", i * w / n, y[i]
        printf " %d,%d\n", w, h
    }'
}

# star CX CY R [POINTS] [INNER] [TURN]: an MVG polygon of a star, first point up.
star() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v n="${4:-5}" -v k="${5:-0.45}" -v t="${6:-0}" '
    BEGIN {
        printf "polygon"
        for (i = 0; i < 2 * n; i++) {
            a = (i / n + t / 180) * 3.14159265 - 1.5707963; rr = i % 2 ? r * k : r
            printf " %.1f,%.1f", cx + rr * cos(a), cy + rr * sin(a)
        }
        print ""
    }'
}

# burst SEED CX CY R: the MVG lines and sparks of one firework.
burst() {
    awk -v s="$1" -v cx="$2" -v cy="$3" -v r="$4" "$AWK_RND"'
    BEGIN {
        for (i = 0; i < 28; i++) {
            a = i * 6.2831853 / 28 + rnd() * 0.1; l = r * (0.7 + 0.3 * rnd())
            x = cx + l * cos(a); y = cy + l * sin(a) + l * l / r / 6
            printf "line %.1f,%.1f %.1f,%.1f circle %.1f,%.1f %.1f,%.1f\n", \
                cx + l * 0.35 * cos(a), cy + l * 0.35 * sin(a), x, y, x, y, x + 1.6, y
        }
    }'
}

# vgrad OUT COLOUR [HEIGHT COLOUR]...: a full-width vertical gradient passing
# through the colours; each HEIGHT is the length of one stretch in pixels.
vgrad() {
    local out=$1 from=$2 parts=()
    shift 2
    while (($#)); do
        parts+=(-size "${W}x$1" "gradient:$from-$2")
        from=$2
        shift 2
    done
    convert "${parts[@]}" -append "$out"
}

# clouds OUT SEED COLOUR COVER: soft plasma clouds on a transparent layer;
# COVER (a percentage) sets how much of the sky they fill.
clouds() {
    convert -size ${W}x$H -seed "$2" plasma:fractal -colorspace gray -blur 0x4 \
        -level "$((100 - $4))%,$((112 - $4))%" \
        \( -size ${W}x$H xc:"$3" \) +swap -alpha off -compose CopyOpacity -composite "$1"
}

# glow IN OUT RADIUS: adds a soft halo of the picture's own light around it.
glow() {
    convert "$1" \( +clone -blur "0x$3" \) -compose Screen -composite "$2"
}

# --- The airship, used in several pictures -----------------------------------

# Patchwork balloon: gores in the four companions' colours, three sewn-on
# patches, light from the upper left and a dark seam around it.
patches='polygon 40,40 68,34 72,62 44,66 polygon 150,70 176,66 180,92 152,96
         polygon 96,20 118,18 120,40 98,42'
convert -size 240x170 xc:none \
    -fill "$RED" -draw 'ellipse 130,60 100,50 0,360' \
    -fill "$YELLOW" -draw 'ellipse 130,60 74,50 0,360' \
    -fill "$GREEN" -draw 'ellipse 130,60 46,50 0,360' \
    -fill "$BLUE" -draw 'ellipse 130,60 17,50 0,360' \
    -fill '#8e44ad' -draw 'polygon 40,40 68,34 72,62 44,66' \
    -fill '#e8762c' -draw 'polygon 150,70 176,66 180,92 152,96' \
    -fill '#2f8fb8' -draw 'polygon 96,20 118,18 120,40 98,42' \
    -fill none -stroke '#fff3d0' -draw "stroke-dasharray 3 2 $patches" \
    balloon.png
convert -size 240x170 radial-gradient:'#ffffff-#9a9a9a' -distort SRT '1.2 0 -20,-25' shade.png
convert -size 240x170 xc:none -fill '#ffffffa0' -draw 'ellipse 95,32 40,12 -15,345' \
    -blur 0x6 highlight.png
convert balloon.png shade.png -compose Multiply -composite \
    highlight.png -compose Screen -composite \
    \( -size 240x170 xc:none -fill white -draw 'ellipse 130,60 100,50 0,360' \) \
    -compose DstIn -composite \
    -fill none -stroke '#3a2210' -strokewidth 2 -draw 'ellipse 130,60 100,50 0,360' \
    balloon.png
# Tail fins behind the balloon, rigging, a wooden gondola with lit portholes
# and a propeller at the back.
convert -size 240x170 xc:none -stroke '#3a2210' -strokewidth 2 \
    -fill '#b8342a' -draw 'polygon 52,36 14,6 30,6 78,28' \
    -fill '#b8342a' -draw 'polygon 52,84 14,114 30,114 78,92' \
    -fill '#d9553a' -draw 'polygon 40,52 4,48 4,72 40,68' \
    balloon.png -compose Over -composite \
    -fill none -stroke '#4a2e14' -strokewidth 1.5 \
    -draw 'line 80,100 96,124 line 108,109 112,124 line 152,109 148,124 line 180,100 164,124' \
    -fill '#8b5a2b' -stroke '#3a2210' -strokewidth 2 -draw 'polygon 84,124 176,124 166,148 96,148' \
    -fill '#6b4220' -stroke '#3a2210' -draw 'rectangle 80,120 180,125' \
    -stroke '#6b4220' -strokewidth 1 -draw 'line 90,132 170,132 line 94,140 168,140' \
    -fill '#ffe08a' -stroke '#3a2210' -strokewidth 1.5 \
    -draw 'circle 110,136 114,136 circle 130,136 134,136 circle 150,136 154,136' \
    -fill none -stroke '#555' -strokewidth 2 -draw 'line 95,136 74,136' \
    -fill '#e8e8e8' -stroke '#444' -strokewidth 1 -draw 'ellipse 72,136 3,13 0,360' \
    airship.png
# A dark silhouette of the same airship, for back-lit scenes.
convert airship.png -fill '#2a1430' -colorize 100 airship-dark.png

# ship SCENE OUT SCALE X Y [SHIP]: puts the airship, scaled, at X,Y.
ship() {
    convert "$1" \( "${6:-airship.png}" -resize "$3%" \) -geometry "+$4+$5" \
        -compose Over -composite "$2"
}

# --- Saving -----------------------------------------------------------------

# photo IN OUT SEED [GRAIN]: film grain and a slight lens softness, then a
# baseline JPEG: quality 85, no chroma subsampling, 100 dpi, JFIF 1.02.
photo() {
    convert "$1" -seed "$3" -attenuate "${4:-0.5}" +noise Gaussian -blur 0x0.4 \
        -strip -sampling-factor 1x1 -quality 85 -interlace none \
        -density 100 -units PixelsPerInch "$2"
    # ImageMagick 6 cannot write restart markers; jpegtran (libjpeg-turbo-progs)
    # can, without re-compressing: one restart every 40 MCUs (one row here).
    if command -v jpegtran >/dev/null; then
        jpegtran -restart 40B -copy all -outfile "$2.tmp" "$2" && mv "$2.tmp" "$2"
    fi
    # libjpeg writes JFIF version 1.01; the minor version is byte 12 of the file.
    [[ $(od -An -tx1 -j6 -N6 "$2" | tr -d ' \n') == 4a4649460001 ]] ||
        { echo "ERROR: $2 has no JFIF 1.x header" >&2; exit 1; }
    printf '\002' | dd of="$2" bs=1 seek=12 conv=notrunc status=none
}

# --- assets/scrollpic.jpg: the airship over patchwork fields on a sunny day ---

vgrad sky.png '#2a64cc' 150 '#93c8f2' 40 '#fff0c8' 50 '#fff0c8'
clouds cloud.png 11 white 45
convert -size ${W}x$H xc:black -fill '#fff8d0' -draw 'circle 268,44 268,64' \
    -blur 0x14 -fill '#fffbe8' -draw 'circle 268,44 268,58' sun.png
# Fields: a grid of greens and golds with dark hedges between them, seen in
# perspective and cut to the shape of the near hills.
fields=$(awk -v s=3 "$AWK_RND"'
    BEGIN {
        split("#4f9a34 #78b040 #3d7f2c #d9c452 #b8a040 #9cc25a #c49a5a", c)
        for (y = 0; y < 80; y += 16) for (x = 0; x < 320; x += 20)
            printf "fill %s rectangle %d,%d %d,%d\n", c[1 + int(rnd() * 7)], x, y, x + 20, y + 16
    }')
hedges=$(for x in $(seq 0 20 320); do echo "line $x,0 $x,80"; done
         for y in $(seq 0 16 80); do echo "line 0,$y 320,$y"; done)
convert -size 320x80 xc: -draw "$fields" \
    -fill none -stroke '#2f5424' -strokewidth 2 -draw "$hedges" \
    -virtual-pixel tile -distort Perspective '0,0 -80,0 320,0 400,0 0,80 -600,80 320,80 920,80' \
    fieldsflat.png
convert -size ${W}x$H xc:none fieldsflat.png -geometry +0+160 -compose Over -composite \
    \( -size ${W}x$H xc:none -fill white -draw "$(ridge 5 182 40)" \) \
    -compose DstIn -composite fields.png
convert sky.png sun.png -compose Screen -composite \
    cloud.png -compose Over -composite \
    -fill '#7d9fc4' -draw "$(ridge 9 160 56 0.7)" \
    -fill '#5d8a5a' -draw "$(ridge 21 172 34)" \
    fields.png -compose Over -composite scene.png
ship scene.png scene.png 78 56 38
convert scene.png -fill none -stroke '#2a2a3a' -strokewidth 1.2 \
    -draw 'path "M 238,92 q 4,-4 8,0 q 4,-4 8,0"' \
    -draw 'path "M 258,104 q 3,-3 6,0 q 3,-3 6,0"' scene.png
photo scene.png "$assets/scrollpic.jpg" 1 0.3

# --- assets/image1.gif: "Brindlecast" under four twinkling stars -------------

# The program shows frame 1 alone on a black window, so every frame is drawn
# in full (200x75) and its soft edges are blended over black before the
# background is made transparent: GIF has no partial transparency.
# title SCALE OUT: the gold word on a transparent ground, SCALE times 200x75.
title() {
    local s=$1
    convert -size $((200 * s))x$((36 * s)) xc:'#fff8c0' -size $((200 * s))x$((24 * s)) gradient:'#ffe070-#ff7418' \
        -size $((200 * s))x$((15 * s)) xc:'#ff7418' -append gold.png
    convert -size $((200 * s))x$((75 * s)) xc:none -font DejaVu-Serif-Condensed-Bold -pointsize $((33 * s)) \
        -gravity center -stroke "#b0200c" -strokewidth $((4 * s)) -fill '#b0200c' -annotate +0+$((13 * s)) Brindlecast \
        -stroke none -tile gold.png -annotate +0+$((13 * s)) Brindlecast "$2"
}
# frame TITLE MVG OUT: the stars drawn over the title, edges blended over black.
frame() {
    convert "$1" -draw "$2" \
        \( +clone -alpha extract -threshold 30% \) \
        \( -clone 0 -background black -alpha remove -alpha off \) -delete 0 \
        +swap -compose CopyOpacity -composite "$3"
}
title 1 title.png
stars=('#ff4a3a 38 17' '#44e070 80 10' '#9a8cff 120 10' '#ffd22a 162 17')
delays=(8 16 8 16 8 8 16 16 8 8 8 16)
frames=()
for f in "${!delays[@]}"; do
    mvg=""
    for i in "${!stars[@]}"; do
        read -r colour x y <<<"${stars[$i]}"
        # Frame 1 shows every star at full size; then each pulses at its own pace.
        r=$(awk -v f="$f" -v i="$i" 'BEGIN { printf "%.1f", 10 * (0.62 + 0.38 * cos(6.2831853 * f * (i + 1) / 12)) }')
        mvg+="fill $colour $(star "$x" "$y" "$r" 5 0.45 $((f * 6)))
              fill #ffffffb0 $(star "$x" "$y" "$(awk -v r="$r" 'BEGIN { print r / 2.6 }')" 5 0.45 $((f * 6)))
"
    done
    # A glint runs along the word in frames 2 to 11.
    if ((f >= 1 && f <= 10)); then
        mvg+="fill white $(star $((14 + f * 17)) $((40 + (f % 3) * 6)) 7 4 0.18)"
    fi
    frame title.png "$mvg" "frame$f.png"
    frames+=(-delay "${delays[$f]}" "frame$f.png")
    ((f)) || first="$mvg"
done
convert +dither -dispose Background -loop 0 "${frames[@]}" "$assets/image1.gif"

# --- assets/logo-2x.png: frame 1 drawn at twice the size, for the web page --------
# The page shows the logo up to twice its size (a window scaled to the screen, a phone's pixels).
title 2 title2.png
frame title2.png "affine 2,0,0,2,0,0 $first" "PNG32:$assets/logo-2x.png"

# --- data/1.jpg .. data/10.jpg: the banner's pictures ------------------------
# They are shown at about half size, so each has one bold idea and strong colour.

# 1: the airship as a silhouette against a setting sun over the sea.
vgrad sky.png '#2a1650' 90 '#b03a78' 60 '#ff8a3d' 26 '#ffd36b' 64 '#ffd36b'
convert sky.png -fill '#ffe9a0' -draw 'circle 210,176 210,140' \
    \( +clone -fill black -colorize 100 -fill '#ffd070' -draw 'circle 210,176 210,136' -blur 0x16 \) \
    -compose Screen -composite \
    -fill '#ff9f6a80' -draw 'ellipse 90,120 70,4 0,360 ellipse 250,96 60,3 0,360' \
    -fill '#5a2a5e' -draw "$(ridge 31 172 14)" \
    \( -size ${W}x64 gradient:'#6a2f62-#1e0f2e' \) -geometry +0+176 -compose Over -composite \
    -fill '#ffcf70' -draw "$(awk -v s=5 "$AWK_RND"'BEGIN { for (y = 181; y < 240; y += 5) {
        w = (y - 170) * 0.8 + 8; x = 210 + (rnd() - 0.5) * 10
        printf "ellipse %.0f,%d %.0f,1.4 0,360\n", x, y, w * (0.5 + rnd()) } }')" \
    scene.png
ship scene.png scene.png 66 66 24 airship-dark.png
photo scene.png "$data/1.jpg" 101

# 2: Oro's sky: a starfield with the Milky Way, a crescent moon and a
# constellation, above a dark hill with a little telescope.
convert -size 60x60 xc:none -fill '#fff6c8' -draw 'circle 30,30 30,4' \
    \( -size 60x60 xc:none -fill black -draw 'circle 42,22 42,-2' \) -compose DstOut -composite moon.png
vgrad sky.png '#070822' 150 '#2a1858' 90 '#5a2c70'
convert -size ${W}x$H xc:black -seed 8 +noise Random -channel G -separate +channel -threshold 99.5% +level 0,75% \
    \( -size ${W}x$H xc:black -seed 9 +noise Random -channel G -separate +channel -threshold 99.93% \
       -morphology Dilate Plus:1 \) -compose Lighten -composite stars.png
convert sky.png \
    \( -size ${W}x$H -seed 7 plasma:fractal -colorspace gray -blur 0x2 -level 15%,80% \
       \( -size ${W}x$H xc:black -stroke white -strokewidth 70 -draw 'line -20,250 340,60' -blur 0x24 \) \
       -compose Multiply -composite +level-colors 'black,#c8b0ff' \) -compose Screen -composite \
    stars.png -compose Screen -composite \
    moon.png -geometry +230+22 -compose Over -composite \
    -stroke '#a8b8ff' -strokewidth 1 -fill none \
    -draw 'polyline 40,60 78,42 116,58 132,96 96,112 60,100 40,60' -draw 'line 116,58 160,40' \
    -stroke none -fill white \
    -draw "$(for p in 40,60 78,42 116,58 132,96 96,112 60,100 160,40; do star "${p%,*}" "${p#*,}" 6 4 0.3; done)" \
    -fill '#0b0820' -draw "$(ridge 41 200 44)" \
    -fill none -stroke '#0b0820' -strokewidth 7 -draw 'line 228,146 268,170' \
    -strokewidth 3 -draw 'line 252,164 238,198 line 252,164 266,196 line 252,164 252,198' \
    scene.png
glow scene.png scene.png 2
photo scene.png "$data/2.jpg" 102 0.3

# card OUT COLOUR DARK NAME LETTER MOTIF: a companion's card: their colour as a
# radial glow, MOTIF (MVG drawn first), a big initial in a ring, their name.
card() {
    convert -size ${W}x$H radial-gradient:"$2-$3" -draw "$6" \
        -fill '#00000040' -draw 'circle 164,104 164,172' \
        -fill "$3" -stroke white -strokewidth 6 -draw 'circle 160,100 160,164' \
        -font "$SERIF" -pointsize 96 -gravity center -stroke "$3" -strokewidth 3 -fill white \
        -annotate +0-18 "$5" -stroke none \
        -fill '#00000080' -draw 'roundrectangle 84,184 236,226 12,12' \
        -font "$SANS" -pointsize 30 -fill white -annotate +0+85 "$4" scene.png
    photo scene.png "$1" "${#4}"
}

# 3: Kest, red, under a sunburst.
rays=$(for a in $(seq 0 30 330); do
    awk -v a="$a" 'BEGIN { d = 3.14159265 / 180
        printf "polygon 160,100 %.0f,%.0f %.0f,%.0f\n", 160 + 400 * cos(a * d), 100 + 400 * sin(a * d),
            160 + 400 * cos((a + 15) * d), 100 + 400 * sin((a + 15) * d) }'; done)
card "$data/3.jpg" '#ff6a3c' '#7a0d12' KEST K "fill #ffffff30 $rays"

# 4: Dorv, green, inside a big gear, with hammers.
card "$data/4.jpg" '#5ad070' '#0c4a1c' DORV D "fill #ffffff40 font $SANS font-size 250
    gravity center text 0,-4 '⚙' gravity NorthWest fill #ffffff60 font-size 64
    text 18,62 '⚒' text 246,62 '⚒'"

# 5: Oro, blue and purple, with stars and a ringed planet.
card "$data/5.jpg" '#7a6cff' '#1a0c4a' ORO O "fill #ffffffc0
    $(for p in 30,30 70,200 280,190 300,40 40,130 250,130 120,20 24,222; do
        star "${p%,*}" "${p#*,}" 7 5 0.4; done)
    fill #f2b0ff ellipse 270,60 24,24 0,360 fill none stroke #ffe0ff stroke-width 3
    ellipse 270,60 40,9 -20,200"

# 6: Bexal, yellow and orange, with music notes and sound rings.
card "$data/6.jpg" '#ffd23a' '#b84a08' BEXAL B "fill none stroke #ffffff40 stroke-width 8
    circle 160,100 160,190 circle 160,100 160,220 circle 160,100 160,250 stroke none
    fill #ffffffa0 font $SANS font-size 56 text 18,70 '♪' text 250,86 '♫'
    text 30,200 '♫' text 262,206 '♪'"

# 7: a festival at dusk: fireworks, bunting in the four colours, striped tents
# and a crowd.
convert -size ${W}x$H xc:black -strokewidth 1.5 \
    -stroke '#ffd040' -fill '#ffd040' -draw "$(burst 71 90 80 56)" \
    -stroke '#ff5a8a' -fill '#ff5a8a' -draw "$(burst 72 228 62 46)" \
    -stroke '#60f0c0' -fill '#60f0c0' -draw "$(burst 73 178 122 30)" fireworks.png
glow fireworks.png fireworks.png 3
bunting=$(awk -v c="$RED $YELLOW $GREEN $BLUE" 'BEGIN { split(c, col)
    for (x = 8; x < 320; x += 20) {
        y = 14 + 34 * (1 - ((x - 160) / 160) ^ 2)
        printf "fill %s polygon %d,%.0f %d,%.0f %d,%.0f\n", col[1 + int(x / 20) % 4], x - 8, y, x + 8, y, x, y + 18
    } }')
tent() { # tent X0 X1 APEX_Y COLOUR: a striped tent standing on the bottom edge
    awk -v a="$1" -v b="$2" -v ty="$3" -v col="$4" 'BEGIN { m = (a + b) / 2; n = 6
        for (k = 0; k < n; k++)
            printf "fill %s polygon %d,%d %.0f,240 %.0f,240\n", k % 2 ? "#fff4e0" : col, m, ty, a + k * (b - a) / n, a + (k + 1) * (b - a) / n
        printf "stroke #3a1a10 line %d,%d %d,%d fill %s stroke none polygon %d,%d %d,%d %d,%d\n", m, ty, m, ty - 16, col, m, ty - 16, m + 14, ty - 12, m, ty - 8 }'
}
crowd=$(awk -v s=9 "$AWK_RND"'BEGIN { for (x = -4; x < 330; x += 13) {
    y = 222 + rnd() * 8; printf "circle %d,%.0f %d,%.0f roundrectangle %d,%.0f %d,250 6,6\n", x, y, x + 6, y, x - 9, y + 6, x + 9 } }')
vgrad sky.png '#0c1640' 100 '#3a2470' 90 '#a84878' 50 '#d8705a'
convert sky.png fireworks.png -compose Screen -composite \
    -stroke '#2a1a20' -strokewidth 1.5 -fill none -draw 'path "M 0,14 Q 160,82 320,14"' \
    -stroke none -draw "$bunting" \
    -draw "$(tent 8 128 150 "$RED")" -draw "$(tent 196 316 140 "$BLUE")" -draw "$(tent 120 210 176 "$GREEN")" \
    -fill '#1a1030' -draw "$crowd" scene.png
photo scene.png "$data/7.jpg" 107

# 8: an old map: islands with ragged coasts and shallows on mottled paper,
# a compass rose and a dashed route to a red cross.
# Islands: blurred ovals where they should be, made ragged by plasma noise.
convert -size ${W}x$H xc:black -fill white -draw 'ellipse 58,192 52,34 0,360
        ellipse 258,66 46,30 0,360 ellipse 165,128 28,18 0,360 ellipse 150,34 22,12 0,360
        ellipse 282,190 26,30 0,360' -blur 0x16 -auto-level \
    \( -size 80x60 -seed 82 plasma:fractal -colorspace gray -auto-level -resize ${W}x$H \) \
    -compose Mathematics -define compose:args=0,0.8,1,-0.3 -composite \
    -blur 0x1 -threshold 50% land.png
convert land.png -morphology EdgeOut Disk:1.5 coast.png
convert land.png -morphology Dilate Disk:7 -blur 0x2 shallows.png
# The colours are laid under a mottled paper texture (soft light).
convert -size ${W}x$H -seed 82 plasma:fractal -colorspace gray -blur 0x1 \
    +level 30%,75% paper.png
convert -size ${W}x$H xc:'#4aa2dc' \
    \( xc:'#9adcf0' shallows.png -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    \( xc:'#a6d060' land.png -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite paper.png -compose SoftLight -composite mapbase.png
grid=$(for x in $(seq 40 40 280); do echo "line $x,0 $x,240"; done
       for y in $(seq 40 40 200); do echo "line 0,$y 320,$y"; done)
convert mapbase.png \
    \( coast.png -background '#5a3a18' -alpha shape \) -compose Over -composite \
    -fill none -stroke '#2a405870' -strokewidth 1 -draw "$grid" \
    -stroke '#b01818' -strokewidth 3 -fill none -draw 'stroke-dasharray 8 6 path "M 40,200 C 90,120 150,210 200,120 S 240,60 262,60"' \
    -draw 'line 252,50 272,70 line 272,50 252,70' \
    -stroke '#4a2a10' -strokewidth 1 -fill '#f4e8c8' -draw "$(star 60 60 34 8 0.25)" \
    -fill '#4a2a10' -draw "$(star 60 60 28 4 0.22)" \
    -stroke none -font "$SERIF" -pointsize 14 -fill '#4a2a10' -annotate +55+20 N \
    \( -size ${W}x$H radial-gradient:'#ffffff-#c8a070' \) -compose Multiply -composite scene.png
ship scene.png scene.png 20 96 120
photo scene.png "$data/8.jpg" 108 0.4

# 9: mountains fading into the haze, snow on the front range, pines below.
vgrad sky.png '#5ca0ee' 140 '#c8e0f8' 100 '#ffe0d0'
clouds cloud.png 95 white 30
# Snow: the top 14 pixels of the front range, fading out below the snow line.
peaks=$(ridge 92 150 170 0.45)
convert -size ${W}x$H xc:none -fill white -draw "$peaks" front.png
convert front.png \( front.png -geometry +0+14 \) -compose DstOut -composite \
    \( -size ${W}x$H gradient:white-black -level 42%,54% -alpha copy \) -compose DstIn -composite snow.png
pines=$(awk -v s=93 "$AWK_RND"'BEGIN { for (x = -6; x < 330; x += 9 + rnd() * 6) {
    y = 206 + rnd() * 20; h = 22 + rnd() * 18
    printf "polygon %d,%.0f %.0f,%.0f %.0f,%.0f\n", x, y - h, x - h / 3.5, y + 14, x + h / 3.5, y + 14 } }')
convert sky.png cloud.png -compose Over -composite \
    -fill '#b4b0e4' -draw "$(ridge 90 100 110 0.5)" \
    -fill '#8078c8' -draw "$(ridge 91 125 120 0.5)" \
    \( -size ${W}x$H gradient:'#6474bc-#1c2858' -alpha set front.png -compose DstIn -composite \) \
    -compose Over -composite \
    snow.png -compose Over -composite \
    -fill '#2c5a3a' -draw "$(ridge 94 214 30)" -fill '#1e4a2c' -draw "$pines" scene.png
ship scene.png scene.png 26 40 22
photo scene.png "$data/9.jpg" 109

# 10: the four companions on a hill at sunrise, each in their colour:
# Kest with a red mop of hair, big Dorv, tall Oro in a pointed hat, and
# small Bexal with a lute.
figures="stroke-linecap round
    fill $RED stroke none roundrectangle 66,120 98,178 12,12 circle 82,104 82,88
    fill #ff7a3a polygon 66,100 70,82 76,92 82,78 88,92 94,82 98,100 82,90
    stroke $RED stroke-width 8 line 96,128 116,92 line 68,128 58,160
    stroke none fill $GREEN roundrectangle 126,116 188,182 18,18 circle 157,100 157,82
    stroke $GREEN stroke-width 12 line 130,126 118,168 line 184,126 196,168
    stroke none fill $BLUE roundrectangle 210,108 236,182 10,10 circle 223,92 223,78
    polygon 204,82 242,82 228,36 fill #ffe070 $(star 227 58 6 5 0.45)
    stroke $BLUE stroke-width 7 line 214,118 204,150 line 234,118 244,150
    stroke none fill $YELLOW roundrectangle 254,140 278,184 9,9 circle 266,128 266,116
    fill #9a5a1a ellipse 270,160 13,9 0,360 stroke #9a5a1a stroke-width 4 line 276,156 296,134
    stroke $YELLOW stroke-width 6 line 258,148 268,160"
vgrad sky.png '#3aa8d0' 120 '#a8d8d0' 60 '#ffd27a' 60 '#ffd27a'
convert sky.png -fill '#fff0b0' -draw 'circle 160,172 160,112' \
    \( +clone -fill black -colorize 100 -fill '#fff0a0' -draw 'circle 160,172 160,100' -blur 0x20 \) \
    -compose Screen -composite \
    -fill '#3a8a3a' -draw 'ellipse 170,300 260,120 0,360' \
    -fill '#2a6a2a' -draw 'ellipse 0,260 120,70 0,360' scene.png
convert -size ${W}x$H xc:none -draw "$figures" \( +clone -fill '#201030' -colorize 100 \
    -morphology EdgeOut Disk:1 \) +swap -compose Over -composite figures.png
convert scene.png figures.png -compose Over -composite scene.png
ship scene.png scene.png 30 24 12
photo scene.png "$data/10.jpg" 110

# --- Checks: fail loudly if any picture is off -------------------------------

fail=0
# expect WHAT ACTUAL WANTED
expect() {
    if [[ $2 != "$3" ]]; then
        echo "ERROR: $1: got '$2', want '$3'" >&2
        fail=1
    fi
}

for f in "$assets/scrollpic.jpg" "$data"/{1..10}.jpg; do
    name=${f#"$here/../"}
    expect "$name" "$(identify -format '%m %wx%h %[type] %[colorspace] %[jpeg:sampling-factor] %Q %x %U %[interlace]' "$f")" \
        "JPEG 320x240 TrueColor sRGB 1x1,1x1,1x1 85 100 PixelsPerInch None"
    expect "$name JFIF version" "$(od -An -tx1 -j6 -N7 "$f" | tr -d ' \n')" 4a464946000102
    # Baseline means a SOF0 frame marker (ff c0); progressive would be ff c2.
    bytes=$(od -An -tx1 -v "$f" | tr -s ' \n' ' ')
    expect "$name baseline" "$(grep -c ' ff c0 ' <<<"$bytes")" 1
    if command -v jpegtran >/dev/null; then
        expect "$name restart interval" "$(grep -c ' ff dd 00 04 00 28 ' <<<"$bytes")" 1
    fi
    # Colourful: the mean HSL saturation is well above that of a grey picture.
    sat=$(convert "$f" -colorspace HSL -channel G -separate +channel -format '%[fx:mean > 0.3]' info:)
    expect "$name colourful" "$sat" 1
    printf '%-22s %6d bytes\n' "$name" "$(stat -c %s "$f")"
done
grep -q ' ff dd ' <<<"$(od -An -tx1 -v "$assets/scrollpic.jpg" | tr -s ' \n' ' ')" ||
    echo "note: no restart markers (install libjpeg-turbo-progs for jpegtran to add them)"

# The ten banner pictures must all differ clearly from each other.
for i in {1..10}; do
    for ((j = i + 1; j <= 10; j++)); do
        rmse=$(compare -metric RMSE "$data/$i.jpg" "$data/$j.jpg" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
        expect "data/$i.jpg and data/$j.jpg differ" "$(awk -v d="$rmse" 'BEGIN { print (d > 0.15) }')" 1
    done
done

gif="$assets/image1.gif"
expect image1.gif "$(identify -format '%m %W %H|' "$gif")" "$(printf 'GIF 200 75|%.0s' {1..12})"
expect "image1.gif frame 1" "$(identify -format '%wx%h%X%Y %[type]' "${gif}[0]")" "200x75+0+0 PaletteAlpha"
expect "image1.gif delays" "$(identify -format '%T ' "$gif")" "${delays[*]} "
expect "image1.gif disposal" "$(identify -format '%D ' "$gif" | tr ' ' '\n' | sort -u | xargs)" Background
expect "image1.gif loops" "$(identify -verbose "${gif}[0]" | awk '/Iterations:/ { print $2 }')" 0
# Frame 1 is a shape on a clear background: part of it transparent, part not.
expect "image1.gif transparency" \
    "$(convert "${gif}[0]" -alpha extract -format '%[fx:mean > 0.2 && mean < 0.8]' info:)" 1
printf '%-22s %6d bytes\n' assets/image1.gif "$(stat -c %s "$gif")"
exit "$fail"
