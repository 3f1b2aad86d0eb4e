#!/bin/sh
# Draws the pictures of the formulas into Grafik/ (ImageMagick `convert`).
# Small line drawings, 220 x 160 pixels, black on white, labels in DejaVu Sans.
set -e
cd "$(dirname "$0")/../.."
mkdir -p Grafik
FONT=DejaVu-Sans

bild() { # name, drawing primitives...
    out=$1; shift
    convert -size 220x160 xc:white -fill none -stroke black -strokewidth 2 "$@" \
        -colors 8 -strip "$out"
}

# Right triangle with sides a, b, c and angle alpha at the left corner.
bild Grafik/rechtwinklig.png \
    -draw "polyline 30,130 190,130 190,30 30,130" -draw "rectangle 178,118 190,130" \
    -draw "arc 0,100 60,160 -32,0" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 198,85 'a'" -draw "text 105,150 'b'" -draw "text 95,72 'c'" -draw "text 68,124 'α'"

# General triangle with sides a, b, c and angles alpha, beta, gamma.
bild Grafik/dreieck_allgemein.png \
    -draw "polyline 20,135 200,135 130,25 20,135" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 105,153 'c'" -draw "text 170,80 'a'" -draw "text 60,75 'b'" \
    -draw "text 40,130 'α'" -draw "text 170,130 'β'" -draw "text 125,50 'γ'"

# Rectangle with sides a, b and diagonal d.
bild Grafik/rechteck.png \
    -draw "rectangle 30,30 190,125" -draw "line 30,125 190,30" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 105,145 'a'" -draw "text 197,82 'b'" -draw "text 100,72 'd'"

# Trapezoid with parallel sides a, c and height h.
bild Grafik/trapez.png \
    -draw "polyline 20,130 200,130 150,40 60,40 20,130" -draw "line 60,40 60,130" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 105,150 'a'" -draw "text 100,33 'c'" -draw "text 65,90 'h'"

# Circle with radius r (no extension in GRAFIK: loaded as kreis.bmp).
convert -size 220x160 xc:white -fill none -stroke black -strokewidth 2 \
    -draw "circle 110,80 110,20" -draw "line 110,80 170,80" -draw "point 110,80" \
    -stroke none -fill black -font $FONT -pointsize 15 -draw "text 135,75 'r'" \
    -colors 8 -strip -type Palette BMP3:Grafik/kreis.bmp

# Circular sector with radius r, angle alpha and arc b.
bild Grafik/kreisausschnitt.png \
    -draw "line 40,130 190,130" -draw "line 40,130 146,24" -draw "arc -110,-20 190,280 -45,0" \
    -draw "arc 10,100 70,160 -45,0" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 110,148 'r'" -draw "text 75,124 'α'" -draw "text 182,70 'b'"

# Cuboid with edges a, b, c.
bild Grafik/quader.png \
    -draw "rectangle 25,55 145,135" -draw "polyline 25,55 70,20 190,20 145,55" \
    -draw "polyline 190,20 190,100 145,135" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 80,153 'a'" -draw "text 172,130 'b'" -draw "text 5,100 'c'"

# Cylinder with radius r and height h.
bild Grafik/zylinder.png \
    -draw "ellipse 110,30 60,14 0,360" -draw "ellipse 110,130 60,14 0,180" \
    -draw "line 50,30 50,130" -draw "line 170,30 170,130" -draw "line 110,30 170,30" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 135,25 'r'" -draw "text 178,85 'h'"

# Cone with radius r, height h and slant s.
bild Grafik/kegel.png \
    -draw "ellipse 110,130 65,15 0,180" -draw "polyline 45,130 110,20 175,130" \
    -draw "line 110,20 110,130" -draw "line 110,130 175,130" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 138,125 'r'" -draw "text 95,85 'h'" -draw "text 150,70 's'"

# Sphere with radius r.
bild Grafik/kugel.png \
    -draw "circle 110,80 110,15" -draw "ellipse 110,80 65,16 0,180" \
    -draw "line 110,80 175,80" \
    -stroke none -fill black -font $FONT -pointsize 15 -draw "text 140,74 'r'"

# Inclined plane with the weight and its two components (no extension: .bmp).
convert -size 220x160 xc:white -fill none -stroke black -strokewidth 2 \
    -draw "polyline 15,140 205,140 205,40 15,140" -draw "arc -15,110 45,170 -28,0" \
    -draw "rectangle 120,62 150,92" \
    -draw "line 135,77 135,132" -draw "line 135,77 108,91" -draw "line 135,77 160,124" \
    -stroke none -fill black -font $FONT -pointsize 14 \
    -draw "text 52,134 'α'" -draw "text 120,150 'F'" -draw "text 83,95 'F'" -draw "text 165,128 'F'" \
    -pointsize 10 -draw "text 131,153 'G'" -draw "text 93,99 'H'" -draw "text 176,131 'N'" \
    -colors 8 -strip -type Palette BMP3:Grafik/schiefe_ebene.bmp

# Lever: force F at the lever arm l about the pivot.
bild Grafik/hebel.png \
    -draw "line 20,80 200,80" -draw "polygon 40,80 28,105 52,105" \
    -draw "line 190,80 190,135" -draw "polyline 184,125 190,135 196,125" \
    -draw "line 40,55 190,55" -draw "polyline 48,50 40,55 48,60" -draw "polyline 182,50 190,55 182,60" \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 112,48 'l'" -draw "text 198,130 'F'" -draw "text 22,125 'M'"

# Simple pendulum with length l (no extension: .bmp).
convert -size 220x160 xc:white -fill none -stroke black -strokewidth 2 \
    -draw "line 60,15 160,15" -draw "line 110,15 150,115" -draw "circle 150,123 150,131" \
    -stroke gray -draw "line 110,15 110,130" -stroke black \
    -stroke none -fill black -font $FONT -pointsize 15 \
    -draw "text 140,65 'l'" -draw "text 165,128 'm'" \
    -colors 8 -strip -type Palette BMP3:Grafik/fadenpendel.bmp

# Oblique throw: initial speed v0 at angle alpha, range and height.
bild Grafik/wurf_schraeg.png \
    -draw "line 10,140 210,140" -draw "bezier 20,140 110,-30 200,140" \
    -draw "line 20,140 60,100" -draw "polyline 52,102 60,100 58,108" \
    -draw "arc -5,115 45,165 -45,0" \
    -stroke none -fill black -font $FONT -pointsize 14 \
    -draw "text 48,135 'α'" -draw "text 45,95 'v'" -draw "text 105,156 's'" -draw "text 115,70 'h'" \
    -pointsize 10 -draw "text 55,99 '0'" -draw "text 113,159 'W'" -draw "text 124,73 'W'"

# Refraction at a boundary: angle of incidence alpha, angle of refraction beta.
bild Grafik/brechung.png \
    -draw "line 10,80 210,80" -stroke gray -draw "line 110,10 110,150" -stroke black \
    -draw "line 50,20 110,80" -draw "line 110,80 140,150" \
    -stroke none -fill black -font $FONT -pointsize 14 \
    -draw "text 90,40 'α'" -draw "text 116,130 'β'" -draw "text 15,70 'n'" -draw "text 15,100 'n'" \
    -pointsize 10 -draw "text 25,74 '1'" -draw "text 25,104 '2'"

ls -l Grafik
