#!/usr/bin/env bash
# Renders the program's icon, res/icons/tavro.svg, to the PNG sizes of the
# hicolor theme. Development time only (needs rsvg-convert from librsvg2-bin);
# the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/../res/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" tavro.svg -o "tavro-$size.png"
done
