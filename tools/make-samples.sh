#!/bin/sh
# Regenerates the sample reports (ejemplos/) and the crests of their teams
# (escudos/<KEY>.gif, 121x143, rendered from the drawing escudos/<KEY>.svg
# beside it, which the program draws where a crest shows larger).
# Not part of the build: run it by hand after changing a sample or a crest,
# then check the result with tools/check-samples.py.
# Needs python3, rsvg-convert and ImageMagick's convert.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$root/tools/make-samples.py" "$root/ejemplos"

mkdir -p "$root/escudos"
for svg in "$root"/escudos/*.svg; do
    key=$(basename "$svg" .svg)
    rsvg-convert --width 121 --height 143 --output "$work/$key.png" "$svg"
    # GIF keeps one transparent colour: pixels less than half covered
    # become transparent, the rest opaque, so the crest sits on any
    # window colour without a halo of a fixed background.
    convert "$work/$key.png" -channel A -threshold 50% +channel \
        +dither -colors 255 -strip "$root/escudos/$key.gif"
done
