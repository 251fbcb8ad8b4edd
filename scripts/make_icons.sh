#!/usr/bin/env bash
# Draws the desktop icons (hicolor sizes) from the splash artwork: the tiger's
# face cut out of assets/tora.png on a transparent ground. Run by hand after
# the artwork changes (ImageMagick); the icons are kept in assets/icons/.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The ground is a gradient: flood it away from the edges, where the dark
# outline of the face stops the fill, then drop the specks it leaves.
convert assets/tora.png -crop 150x125+25+8 +repage -alpha set -fuzz 30% -fill none \
    -draw 'color 0,0 floodfill' -draw 'color 149,0 floodfill' -draw 'color 0,124 floodfill' \
    -draw 'color 149,124 floodfill' -draw 'color 75,124 floodfill' -draw 'color 149,90 floodfill' \
    "$tmp/face.png"
convert "$tmp/face.png" -alpha extract -morphology Open Disk:1.5 "$tmp/mask.png"
convert "$tmp/face.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite "$tmp/cut.png"
convert "$tmp/cut.png" -trim +repage -background none -gravity center -extent 128x128 "$tmp/square.png"

for size in 32 64 128 256; do
    convert "$tmp/square.png" -filter Lanczos -resize "${size}x${size}" -strip \
        "PNG32:assets/icons/tavu-$size.png"
done
