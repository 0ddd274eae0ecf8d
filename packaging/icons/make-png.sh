#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Renders the committed PNG icons from the SVG. Run after changing the SVG, and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || ../../scripts/install-deps.sh icons
for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" vantrel-area-code.svg -o "vantrel-area-code-$size.png"
done
