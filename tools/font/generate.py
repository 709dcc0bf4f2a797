#!/usr/bin/python3
"""Draws the dialog font: one glyph per cell of a 16-column grid, white on black, in the order of
CHARACTERS (ASCII 32..126, then the Czech letters). Writes assets/font.png.

The program finds each glyph's width from its pixels, so only the cell size and the character
order are shared with the code (src/screen/DialogFont.cpp)."""
import os
import cairo

CELL_W, CELL_H, COLUMNS = 16, 22, 16
CHARACTERS = "".join(chr(c) for c in range(32, 127)) + "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"

def main():
    rows = (len(CHARACTERS) + COLUMNS - 1) // COLUMNS
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, CELL_W * COLUMNS, CELL_H * rows)
    ctx = cairo.Context(surface)
    ctx.set_source_rgb(0, 0, 0)
    ctx.paint()
    options = cairo.FontOptions()
    options.set_antialias(cairo.ANTIALIAS_GRAY)
    options.set_hint_style(cairo.HINT_STYLE_FULL)
    ctx.set_font_options(options)
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(14)
    ctx.set_source_rgb(1, 1, 1)
    for i, ch in enumerate(CHARACTERS):
        x, y = (i % COLUMNS) * CELL_W, (i // COLUMNS) * CELL_H
        ctx.move_to(x + 1, y + 16)
        ctx.show_text(ch)
    out = os.path.join(os.path.dirname(__file__), "..", "..", "assets", "font.png")
    surface.write_to_png(out)

if __name__ == "__main__":
    main()
