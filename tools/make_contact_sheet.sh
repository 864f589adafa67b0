#!/bin/bash
# Builds docs/art.png: every generated picture at 4x (font strip and logo scaled to fit), labelled, on one sheet.
# Usage: tools/make_contact_sheet.sh <data-root> <output.png>   (needs ImageMagick's convert and montage)
set -euo pipefail
data=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

background='#2a2a36'
common=(-background "$background" -fill '#e8e8e8' -font DejaVu-Sans -pointsize 12)

# One labelled row of pictures, each enlarged with hard pixel edges.
row() {
  local name=$1 scale=$2 columns=$3 spacing=$4
  shift 4
  local args=()
  for file in "$@"; do
    local label=${file%.bmp}
    args+=(-label "${label#gfx/}" "$data/$file")
  done
  montage "${common[@]}" "${args[@]}" -alpha off -filter point -resize "$scale" -geometry "+$spacing+6" \
    -tile "${columns}x" "$work/$name.png"
}

title() {
  convert "${common[@]}" -pointsize 18 "label:$2" -bordercolor "$background" -border 8x6 "$work/$1.png"
}

tiles=(grass.bmp road.bmp water.bmp tree.bmp corner1.bmp corner2.bmp corner3.bmp corner4.bmp tower.bmp)
title t1 "Forest tile set"
row forest 400% 9 8 "${tiles[@]/#/gfx/forest/}"
title t2 "Desert tile set"
row desert 400% 9 8 "${tiles[@]/#/gfx/desert/}"
title t3 "Vehicles and markers"
row vehicles 400% 9 8 gfx/car.bmp gfx/boat.bmp gfx/car1.bmp gfx/car2.bmp gfx/tank.bmp gfx/tank2.bmp gfx/start.bmp
title t4 "Shots, explosion, pickup, interface"
row small 400% 9 24 gfx/shot.bmp gfx/rocket.bmp gfx/rocket2.bmp gfx/shot2.bmp gfx/explosion.bmp \
  gfx/collect/spanner.bmp gfx/ui/square1.bmp gfx/ui/square2.bmp
title t5 "Logo (2x)"
row logo 200% 1 8 gfx/logo.bmp
title t6 "Title font (2x, in two halves; the top row holds the glyph widths)"
convert "$data/fonts/arial_16_white.bmp" -alpha off -crop 537x24+0+0 +repage "$work/font_a.png"
convert "$data/fonts/arial_16_white.bmp" -alpha off -crop 536x24+537+0 +repage "$work/font_b.png"
convert "$work/font_a.png" "$work/font_b.png" -filter point -resize 200% -background "$background" \
  -gravity west -splice 0x6 -append "$work/font.png"
title t7 "Map chunks 01-04 (4x, one pixel per tile)"
row maps 400% 4 8 map/01.bmp map/02.bmp map/03.bmp map/04.bmp

convert -background "$background" \
  "$work/t1.png" "$work/forest.png" "$work/t2.png" "$work/desert.png" \
  "$work/t3.png" "$work/vehicles.png" "$work/t4.png" "$work/small.png" \
  "$work/t5.png" "$work/logo.png" "$work/t6.png" "$work/font.png" \
  "$work/t7.png" "$work/maps.png" \
  -gravity west -append -bordercolor "$background" -border 12 -strip "$out"
