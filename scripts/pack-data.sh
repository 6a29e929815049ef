#!/bin/bash
# Packs every art source under art/images into the data files the game loads.
# Usage: scripts/pack-data.sh MZTOOL OUTDIR
# The packed files are byte-for-byte reproducible, so a fresh pack must equal the committed data/.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 MZTOOL OUTDIR" >&2
    exit 2
fi
mztool=$1
outdir=$2
sources="$(cd "$(dirname "$0")/.." && pwd)/art/images"

# kind   source (art/images/NAME.png, and NAME.txt for a sheet)   data file
table="
image  bg               bg.mz
image  redbar           redbar.mz
image  slots            slots.mz
image  icons            icons.mz
image  upgrade_icons    upgrade_icons.mz
image  laser_small      laser_small.mz
image  cloud1           cloud1.mz
image  cloud2           cloud2.mz
image  cloud3           cloud3.mz
image  cloud4           cloud4.mz
image  cloud5           cloud5.mz
image  selector         selector.mz
image  app_icon         app_icon.mz
image  font_main        font_main.mz
image  font_main_red    font_main_red.mz
image  font_small       font_small.mz
image  font_small_red   font_small_red.mz
sheet  poof             poof.sz
sheet  explosion_small  explosion_small.sz
sheet  puff2            puff2.sz
sheet  missile          missile.sz
sheet  laser            laser.sz
sheet  missile_tower    missile_tower.sz
sheet  tesla            tesla.sz
sheet  squibble         squibble.sz
sheet  armoured         armoured.sz
sheet  mite             mite.sz
sheet  shielded         shielded.sz
sheet  splitter         splitter.sz
sheet  boss             boss.sz
"

mkdir -p "$outdir"
while read -r kind name target; do
    [ -z "$kind" ] && continue
    case "$kind" in
        image) "$mztool" pack-image "$sources/$name.png" "$outdir/$target" ;;
        sheet) "$mztool" pack-sheet "$sources/$name.png" "$sources/$name.txt" "$outdir/$target" ;;
    esac
done <<< "$table"
