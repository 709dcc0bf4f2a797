"""The credits screen: its background with the knotwork cross, and the rising credits roll."""
import math

import numpy as np

import effects
import layout
import lettering
import texts
from lettering import Font

WIDTH, HEIGHT = 640, 480
CROSS_BOX = (29, 35, 309, 454)          # left, top, right, bottom, inclusive
TITLE_BOX = (396, 58, 488, 107)
STRIPE_COLUMNS = (585, 603)
FRAME = (342, 152, 233, 297)            # the roll's frame covers this: keep it black
ROLL_SIZE = (160, 1146)
ROLL_PITCH = 24
ROLL_FIRST_TOP = 10
ROLL_LAST_BOTTOM = 1138
ROLL_CAP_ROWS = 16
ROLL_FONT = Font("Nimbus Sans Narrow", bold=True)
TITLE_FONT = Font("Nimbus Sans Narrow", bold=True)


def _erode(a, r):
    out = a.copy()
    padded = np.pad(a, r)
    h, w = a.shape
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy <= r * r:
                out = np.minimum(out, padded[r + dy:r + dy + h, r + dx:r + dx + w])
    return out


def _cross_silhouette():
    left, top, right, bottom = CROSS_BOX
    cx = (left + right + 1) / 2.0
    cy = 172.0

    def draw(ctx):
        # Shaft, arms with flared ends, the ring and a stepped base.
        ctx.rectangle(cx - 30, top, 60, 400 - top)
        ctx.move_to(left, cy - 34)
        ctx.line_to(cx - 40, cy - 26)
        ctx.line_to(cx + 40, cy - 26)
        ctx.line_to(right + 1, cy - 34)
        ctx.line_to(right + 1, cy + 34)
        ctx.line_to(cx + 40, cy + 26)
        ctx.line_to(cx - 40, cy + 26)
        ctx.line_to(left, cy + 34)
        ctx.close_path()
        ctx.move_to(cx - 40, top)
        ctx.line_to(cx + 40, top)
        ctx.line_to(cx + 30, top + 60)
        ctx.line_to(cx - 30, top + 60)
        ctx.close_path()
        ctx.new_sub_path()
        ctx.arc(cx, cy, 84, 0, 2 * math.pi)
        ctx.new_sub_path()
        ctx.arc_negative(cx, cy, 68, 2 * math.pi, 0)
        ctx.rectangle(cx - 46, 398, 92, 24)
        ctx.rectangle(cx - 62, 420, 124, bottom + 1 - 420)
        ctx.fill()
    return lettering.render(draw, WIDTH, HEIGHT), cx, cy


def _knotwork(cx, cy):
    """Two interlaced strands down the shaft and along the arms, a knot ring at the centre."""
    def strand(ctx, points):
        ctx.move_to(*points[0])
        for p in points[1:]:
            ctx.line_to(*p)

    def draw(ctx):
        ctx.set_line_width(1.6)
        for phase in (0.0, math.pi):
            strand(ctx, [(cx + 18 * math.sin((y - 232) / 16.0 + phase), y)
                         for y in np.arange(232, 392, 1.0)])
            strand(ctx, [(cx + 14 * math.sin((y - 60) / 11.0 + phase), y)
                         for y in np.arange(60, 120, 1.0)])
            for side in (-1, 1):
                strand(ctx, [(x, cy + 16 * math.sin((x - cx) / 13.0 + phase))
                             for x in np.arange(cx + side * 94, cx + side * 132, side * 1.0)])
        ctx.stroke()
        for radius in (18, 30, 76):
            ctx.new_sub_path()
            ctx.arc(cx, cy, radius, 0, 2 * math.pi)
        ctx.stroke()
        for k in range(8):
            a = k * math.pi / 4
            ctx.move_to(cx + 30 * math.cos(a), cy + 30 * math.sin(a))
            ctx.curve_to(cx + 46 * math.cos(a + 0.4), cy + 46 * math.sin(a + 0.4),
                         cx + 46 * math.cos(a + 0.4), cy + 46 * math.sin(a + 0.4),
                         cx + 30 * math.cos(a + math.pi / 4), cy + 30 * math.sin(a + math.pi / 4))
        ctx.stroke()
    return lettering.render(draw, WIDTH, HEIGHT)


def _cross():
    silhouette, cx, cy = _cross_silhouette()
    edge = np.clip(silhouette - _erode(silhouette, 2), 0.0, 1.0)
    inside = _erode(silhouette, 6)
    return np.maximum(edge, _knotwork(cx, cy) * inside)


def _stripe(image):
    first, last = STRIPE_COLUMNS
    stops = [(0.0, (255, 30, 20)), (0.5, (255, 230, 40)), (1.0, (40, 70, 255))]
    across = np.linspace(0.0, 1.0, last - first + 1)
    colours = np.stack([np.interp(across, [p for p, _ in stops], [c[i] for _, c in stops])
                        for i in range(3)], axis=-1)
    rows = np.arange(HEIGHT)
    fade = np.clip(np.minimum(rows - 10, HEIGHT - 11 - rows) / 40.0, 0.0, 1.0)
    image[:, first:last + 1] = colours[None, :, :] * fade[:, None, None]
    image[:, first:last + 1] = np.maximum(image[:, first:last + 1], layout.BACKGROUND)


def _stars(image, rng):
    for _ in range(70):
        x, y = int(rng.integers(0, WIDTH)), int(rng.integers(0, HEIGHT))
        fx, fy, fw, fh = FRAME
        if fx - 4 <= x < fx + fw + 4 and fy - 4 <= y < fy + fh + 4:
            continue
        if STRIPE_COLUMNS[0] - 3 <= x <= STRIPE_COLUMNS[1] + 3:
            continue
        image[y, x] = np.maximum(image[y, x], rng.integers(40, 110))


def background():
    image = np.zeros((HEIGHT, WIDTH, 3)) + layout.BACKGROUND
    _stars(image, np.random.default_rng(454))
    cross = _cross()
    lettering.paint(image, cross, (255, 255, 255), effects.glow(cross, (40, 50, 90), 3, 1.2))
    word = lettering.outline("CREDITS", TITLE_FONT, tracking=0.03)
    cov = lettering.fit(word, TITLE_BOX, (WIDTH, HEIGHT))
    orange = effects.vertical_gradient(HEIGHT, WIDTH, [(0.0, (255, 120, 10)), (0.12, (255, 200, 60)),
                                                       (0.2, (255, 140, 20)), (1.0, (255, 140, 20))])
    lettering.paint(image, cov, orange, effects.glow(cov, (130, 50, 0), 5, 1.8))
    _stripe(image)
    fx, fy, fw, fh = FRAME
    image[fy:fy + fh, fx:fx + fw] = layout.BACKGROUND
    return image


def _roll_lines():
    """(text, style) per line on the pitch; None is an empty line."""
    lines = []
    for heading, names in texts.CREDITS:
        lines += [(h, "heading") for h in heading] + [(n, "name") for n in names] + [None]
    lines += [("GREETINGS", "heading")] + [(n, "name") for n in texts.GREETINGS]
    closing = [(texts.PRODUCT_INITIALS, "closing"), (texts.YEAR, "closing"),
               (texts.GROUP.upper(), "closing")]
    return lines, closing


def _roll_line(image, text, top, style):
    width, height = ROLL_SIZE
    path = lettering.outline(text, ROLL_FONT, tracking=0.06)
    x0, y0, x1, y1 = lettering.extents(path)
    natural = (x1 - x0) * ROLL_CAP_ROWS / (y1 - y0)
    half = min(74, int(natural) // 2)
    box = (width // 2 - half, top, width // 2 - 1 + half, top + ROLL_CAP_ROWS - 1)
    cov = lettering.fit(path, box, (width, height))
    if style == "heading":
        lettering.paint(image, cov, (190, 255, 170), effects.glow(cov, (20, 140, 30), 2.5, 2.0))
    elif style == "closing":
        lettering.paint(image, cov, (255, 170, 40), effects.glow(cov, (120, 50, 0), 2.5, 1.6))
    else:
        lettering.paint(image, cov, (245, 245, 250), effects.glow(cov, (30, 30, 60), 2, 1.2))


def roll():
    width, height = ROLL_SIZE
    image = np.zeros((height, width, 3)) + layout.BACKGROUND
    lines, closing = _roll_lines()
    for index, line in enumerate(lines):
        if line:
            _roll_line(image, line[0], ROLL_FIRST_TOP + index * ROLL_PITCH, line[1])
    last_top = ROLL_LAST_BOTTOM - ROLL_CAP_ROWS + 1
    for index, (text, style) in enumerate(closing):
        _roll_line(image, text, last_top - (len(closing) - 1 - index) * ROLL_PITCH, style)
    return image


def pictures():
    return {"Credits": background(), "Titulky": roll()}
