#!/usr/bin/env python3
"""Pixel checks of screenshots against the disk's own pictures.

  pictures.py match SHOT X Y W H PICTURE [PX PY]
      Share of the W x H pixels at (X, Y) of SHOT that equal PICTURE's pixels at (PX, PY)
      (default: the same X, Y). Exit 0 when at least 95 % match.
  pictures.py strip SHOT X Y W H PICTURE
      Whether the W x H panel at (X, Y) shows PICTURE, a one-line strip scrolled to any left
      (top edge at the panel's top). Exit 0 when an offset shows it with at least 95 % of the
      visible pixels matching over at least 40 visible columns.
  pictures.py lit SHOT
      Share of pixels that are not black. Exit 0 when above 1 %.

The screen is drawn at 16 bits per pixel, so colours match within a small tolerance.
ImageMagick's convert decodes the pictures.
"""
import subprocess
import sys

TOLERANCE = 12
ENOUGH = 0.95


def rgb(path, x=0, y=0, w=None, h=None):
    """Rows of (r, g, b) bytes of a region, with the region's real width and height."""
    args = ["convert", path, "-alpha", "off"]
    if w is not None:
        args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    if w is None:
        size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                              capture_output=True, text=True).stdout.split()
        w, h = int(size[0]), int(size[1])
    data = subprocess.run(args + ["rgb:-"], check=True, capture_output=True).stdout
    if len(data) != w * h * 3:
        sys.exit(f"{path}: region {w}x{h}+{x}+{y} lies outside the picture")
    return [data[r * w * 3:(r + 1) * w * 3] for r in range(h)], w, h


def same(a, i, b, j):
    return (abs(a[i] - b[j]) <= TOLERANCE and abs(a[i + 1] - b[j + 1]) <= TOLERANCE
            and abs(a[i + 2] - b[j + 2]) <= TOLERANCE)


def match(shot, x, y, w, h, picture, px=None, py=None):
    px = x if px is None else px
    py = y if py is None else py
    got, _, _ = rgb(shot, x, y, w, h)
    want, _, _ = rgb(picture, px, py, w, h)
    hits = sum(same(got[r], c * 3, want[r], c * 3) for r in range(h) for c in range(w))
    share = hits / (w * h)
    print(f"{share:.3f}")
    return share >= ENOUGH


def strip(shot, x, y, w, h, picture):
    got, _, _ = rgb(shot, x, y, w, h)
    want, pw, ph = rgb(picture)
    rows = range(min(h, ph))
    probe = [r for r in rows if r % 4 == 1]
    best = (0.0, None)
    for left in range(-pw + 40, w - 40 + 1):
        first, last = max(0, left), min(w, left + pw)
        columns = range(first, last)
        quick = sum(same(got[r], c * 3, want[r], (c - left) * 3) for r in probe for c in columns[::3])
        if quick < ENOUGH * len(probe) * len(columns[::3]):
            continue
        hits = sum(same(got[r], c * 3, want[r], (c - left) * 3) for r in rows for c in columns)
        share = hits / (len(rows) * len(columns))
        if share > best[0]:
            best = (share, left)
    print(f"{best[0]:.3f} at left {best[1]}")
    return best[0] >= ENOUGH


def lit(shot):
    rows, w, h = rgb(shot)
    bright = sum(1 for row in rows for i in range(0, len(row), 3) if row[i] + row[i + 1] + row[i + 2] > 30)
    share = bright / (w * h)
    print(f"{share:.3f}")
    return share > 0.01


def main(argv):
    command, args = argv[1], argv[2:]
    numbers = lambda values: [int(v) for v in values]
    if command == "match":
        ok = match(args[0], *numbers(args[1:5]), args[5], *numbers(args[6:8]))
    elif command == "strip":
        ok = strip(args[0], *numbers(args[1:5]), args[5])
    elif command == "lit":
        ok = lit(args[0])
    else:
        sys.exit(__doc__)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
