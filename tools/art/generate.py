#!/usr/bin/python3
"""Draws every picture of the program, the cursor and the icon into assets/.

Deterministic: the same fonts give the same bytes. Every lettering box is met to the pixel or the
run stops before writing anything."""
import os
import sys

import credits
import cursor_icon
import intro
import layout
import lines
import menu
import pngout


def main():
    pictures = {}
    for module in (menu, lines, credits, intro):
        pictures.update(module.pictures())
    existing = {os.path.splitext(f)[0] for f in os.listdir(layout.PICTURES) if f.endswith(".png")}
    missing = existing - pictures.keys()
    if missing:
        sys.exit(f"no generator for: {sorted(missing)}")
    for holder, image in sorted(pictures.items()):
        pngout.write_rgb(layout.picture_path(holder), image)
    pngout.write_rgba(os.path.join(layout.ASSETS, "kurzor1.png"), cursor_icon.cursor())
    indices, palette = cursor_icon.icon()
    pngout.write_palette4(os.path.join(layout.ASSETS, "mainicon.png"), indices, palette)
    print(f"wrote {len(pictures)} pictures, the cursor and the icon")


if __name__ == "__main__":
    main()
