#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program and file-type icons of data/icons/ as the PNG sizes the hicolor
# theme asks for, into packaging/icons/SIZE/. The PNGs are committed, so a build needs
# no SVG renderer; run this after changing an SVG (needs rsvg-convert, from Debian's
# librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$root/packaging/icons/$size"
  for icon in vexil ti82-file ti83-file; do
    rsvg-convert --width "$size" --height "$size" "$root/data/icons/$icon.svg" \
      --output "$root/packaging/icons/$size/$icon.png"
  done
done
