"""Text outlines fitted to exact pixel boxes, and the shading rule that keeps lettering measurable.

Rule every picture keeps: a pixel is lettering when its brightest channel is at least 160.
Lettering pixels are drawn at >= 86 % of a colour whose brightest channel is >= 200 (so >= 172);
every other pixel in a measured area stays at or below NON_LETTER_MAX."""
import math

import cairo
import numpy as np

LETTER_THRESHOLD = 160
NON_LETTER_MAX = 140

_scratch = cairo.Context(cairo.ImageSurface(cairo.FORMAT_A8, 1024, 1024))


def _set_font(ctx, family, bold, italic, size):
    ctx.select_font_face(family,
                         cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    options = cairo.FontOptions()
    options.set_hint_style(cairo.HINT_STYLE_NONE)
    options.set_hint_metrics(cairo.HINT_METRICS_OFF)
    ctx.set_font_options(options)


class Font:
    def __init__(self, family, bold=True, italic=False):
        self.family, self.bold, self.italic = family, bold, italic


def outline(text, font, size=100.0, tracking=0.0):
    """The text's outline with its baseline on y = 0, starting at x = 0; tracking is extra space
    between letters as a fraction of the size."""
    ctx = _scratch
    _set_font(ctx, font.family, font.bold, font.italic, size)
    path = []
    x = 0.0
    for ch in text:
        # Each glyph is taken at the origin and moved here: cairo drops glyph outlines that lie
        # far outside the scratch surface.
        ctx.new_path()
        ctx.move_to(0.0, 0.0)
        ctx.text_path(ch)
        glyph = [(kind, pts) for kind, pts in ctx.copy_path()]
        path.extend(map_points(_drop_trailing_move(glyph), lambda gx, gy, dx=x: (gx + dx, gy)))
        x += ctx.text_extents(ch).x_advance + tracking * size
    ctx.new_path()
    return path


def _drop_trailing_move(glyph):
    while glyph and glyph[-1][0] == cairo.PATH_MOVE_TO:
        glyph = glyph[:-1]
    return glyph


def _append(ctx, path):
    for kind, pts in path:
        if kind == cairo.PATH_MOVE_TO:
            ctx.move_to(*pts)
        elif kind == cairo.PATH_LINE_TO:
            ctx.line_to(*pts)
        elif kind == cairo.PATH_CURVE_TO:
            ctx.curve_to(*pts)
        else:
            ctx.close_path()


def extents(path):
    """(x0, y0, x1, y1) of the outline, curves sampled finely (control points overshoot)."""
    xs, ys = [], []
    last = (0.0, 0.0)
    t = np.linspace(0.0, 1.0, 33)[:, None]
    for kind, pts in path:
        if kind == cairo.PATH_CURVE_TO:
            p0, p1, p2, p3 = (np.array(last), np.array(pts[0:2]), np.array(pts[2:4]),
                              np.array(pts[4:6]))
            curve = ((1 - t) ** 3 * p0 + 3 * (1 - t) ** 2 * t * p1 + 3 * (1 - t) * t ** 2 * p2
                     + t ** 3 * p3)
            xs.extend(curve[:, 0])
            ys.extend(curve[:, 1])
        if kind != cairo.PATH_CLOSE_PATH:
            last = pts[-2:]
            xs.append(last[0])
            ys.append(last[1])
    return min(xs), min(ys), max(xs), max(ys)


def map_points(path, fn):
    out = []
    for kind, pts in path:
        new = []
        for i in range(0, len(pts), 2):
            new.extend(fn(pts[i], pts[i + 1]))
        out.append((kind, tuple(new)))
    return out


def rotate_cw(path):
    """Quarter turn clockwise: text that read left to right now reads top to bottom."""
    return map_points(path, lambda x, y: (-y, x))


def render(draw, width, height):
    """Anti-aliased coverage 0..1 of whatever draw(ctx) fills or strokes."""
    surface = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
    ctx = cairo.Context(surface)
    draw(ctx)
    surface.flush()
    data = np.frombuffer(surface.get_data(), dtype=np.uint8).reshape(height, surface.get_stride())
    return data[:, :width].astype(np.float64) / 255.0


def coverage(path, width, height):
    def draw(ctx):
        _append(ctx, path)
        ctx.fill()
    return render(draw, width, height)


def bbox(mask):
    """(left, top, right, bottom) inclusive of the true pixels, or None."""
    rows = np.flatnonzero(mask.any(axis=1))
    cols = np.flatnonzero(mask.any(axis=0))
    if rows.size == 0:
        return None
    return (int(cols[0]), int(rows[0]), int(cols[-1]), int(rows[-1]))


def fit(path, box, canvas, descender_rows=None):
    """Maps the outline so that its lettering (coverage >= 0.5) fills the inclusive pixel box
    (left, top, right, bottom) exactly, on a canvas (width, height). With descender_rows, the part
    below the baseline is squeezed into that many rows so letters keep their size above it.
    Returns the coverage."""
    ex0, ey0, ex1, ey1 = extents(path)
    left, top, right, bottom = box
    target = [left, top, right + 1.0, bottom + 1.0]
    width, height = canvas
    for _ in range(40):
        tx0, ty0, tx1, ty1 = target
        sx = (tx1 - tx0) / (ex1 - ex0)
        if descender_rows and ey1 > 0:
            base = ty1 - descender_rows
            above = (base - ty0) / (0.0 - ey0)
            below = descender_rows / ey1

            def fn(x, y):
                return (tx0 + (x - ex0) * sx, base + y * (above if y < 0 else below))
        else:
            sy = (ty1 - ty0) / (ey1 - ey0)

            def fn(x, y):
                return (tx0 + (x - ex0) * sx, ty0 + (y - ey0) * sy)
        mapped = map_points(path, fn)
        cov = coverage(mapped, width, height)
        got = bbox(cov >= 0.5)
        if got == tuple(box):
            return cov
        # Nudge each edge towards its pixel: rounded letters touch an edge with little coverage.
        for i, (want, have) in enumerate(zip(box, got)):
            if want != have:
                target[i] += 0.15 * math.copysign(1.0, want - have)
    raise RuntimeError(f"could not fit lettering into {box}, got {got}")


def shade(cov):
    """(lettering mask, intensity factor): lettering >= 0.86, anti-aliased rim <= 0.45."""
    letter = cov >= 0.5
    k = np.where(letter, 0.86 + 0.28 * (cov - 0.5), cov * 0.9)
    return letter, k


def paint(image, cov, colour, glow=None, cap=NON_LETTER_MAX):
    """Draws lettering of the given colour (an RGB triple or an H x W x 3 array) over image in
    place. glow (H x W x 3) is added under the lettering; off the lettering nothing exceeds cap."""
    letter, k = shade(cov)
    colour = np.broadcast_to(np.asarray(colour, dtype=np.float64), image.shape)
    rim = colour * k[..., None]
    under = np.maximum(image, rim)
    if glow is not None:
        under = under + glow
    under = np.minimum(under, np.maximum(image, cap))
    image[...] = np.where(letter[..., None], colour * k[..., None], under)
    return letter
