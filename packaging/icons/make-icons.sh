#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Renders the committed icons from the SVG: the PNGs of the Linux desktop, and the Windows .ico.
# Run after changing the SVG, and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null && command -v icotool >/dev/null ||
  ../../scripts/install-deps.sh icons
name=vantrel-area-code

for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$name-$size.png"
done

# Windows picks the size it draws from these: title bar and taskbar (16-32), Explorer's views
# (48-256). The 256-pixel image is stored as PNG, as Windows expects that size to be.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$work/$size.png"
done
icotool --create --output="$name.ico" "$work"/{16,20,24,32,40,48,64}.png --raw="$work/256.png"
