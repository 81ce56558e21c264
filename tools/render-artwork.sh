#!/bin/sh
# Regenerates the GIF pictures shipped beside the program from their SVG sources.
# Not part of the build: run it by hand after editing a source and commit the result.
# Needs rsvg-convert (librsvg) and ImageMagick's convert.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SOURCE TARGET WIDTH HEIGHT COLOURS
render() {
    rsvg-convert -w "$3" -h "$4" "$root/$1" -o "$tmp/picture.png"
    # The artwork is flat, so a small palette without dithering keeps edges clean
    # and the file small.
    convert "$tmp/picture.png" -background black -alpha remove +dither -colors "$5" \
        "$root/$2"
    echo "$2"
}

mkdir -p "$root/fondos"
render resources/fondos/campo.svg fondos/campo.gif 661 473 32
