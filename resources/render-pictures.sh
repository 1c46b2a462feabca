#!/bin/sh
# Renders the program's pictures from their SVG sources. The PNGs are kept in
# the repository, so the build itself needs none of these tools
# (Debian: librsvg2-bin for rsvg-convert).
set -e
cd "$(dirname "$0")"

rsvg-convert -w 440 -h 270 images/splash.svg -o images/splash.png
rsvg-convert -w 880 -h 540 images/splash.svg -o images/splash@2x.png

for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size icons/kelvo.svg -o icons/kelvo-$size.png
done

for name in tree-type tree-type-shown tree-folder; do
    rsvg-convert -w 16 -h 16 icons/source/$name.svg -o icons/$name.png
    rsvg-convert -w 32 -h 32 icons/source/$name.svg -o icons/$name@2x.png
done
