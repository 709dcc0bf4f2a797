"""Minimal deterministic PNG writer (RGB, RGBA and 4-bit palette) so the output never depends on
an image library's encoder version."""
import struct
import zlib

import numpy as np


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _filtered_rows(rows, bpp):
    """Per row, the cheaper of the None and Sub filters (sum of absolute residuals)."""
    out = bytearray()
    for row in rows:
        sub = row.copy()
        sub[bpp:] = row[bpp:] - row[:-bpp]
        plain_cost = np.abs(row.astype(np.int8).astype(np.int32)).sum()
        sub_cost = np.abs(sub.astype(np.int8).astype(np.int32)).sum()
        if sub_cost < plain_cost:
            out += b"\x01" + sub.tobytes()
        else:
            out += b"\x00" + row.tobytes()
    return bytes(out)


def _write(path, width, height, colour_type, bit_depth, raw, extra=b""):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(_chunk(b"IHDR", header))
        f.write(extra)
        f.write(_chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(_chunk(b"IEND", b""))


def write_rgb(path, image):
    """image: height x width x 3, values 0..255 (float or int)."""
    pixels = np.clip(np.rint(image), 0, 255).astype(np.uint8)
    h, w, _ = pixels.shape
    _write(path, w, h, 2, 8, _filtered_rows(pixels.reshape(h, w * 3), 3))


def write_rgba(path, image):
    pixels = np.clip(np.rint(image), 0, 255).astype(np.uint8)
    h, w, _ = pixels.shape
    _write(path, w, h, 6, 8, _filtered_rows(pixels.reshape(h, w * 4), 4))


def write_palette4(path, indices, palette):
    """indices: height x width of 0..15; palette: up to 16 (r, g, b)."""
    h, w = indices.shape
    padded = np.zeros((h, w + (w & 1)), dtype=np.uint8)
    padded[:, :w] = indices
    packed = (padded[:, 0::2] << 4) | padded[:, 1::2]
    raw = b"".join(b"\x00" + row.tobytes() for row in packed)
    plte = _chunk(b"PLTE", bytes(c for colour in palette for c in colour))
    _write(path, w, h, 3, 4, raw, plte)
