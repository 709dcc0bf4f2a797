"""The menu background and its fifteen highlights.

All titles and words are rendered once into screen-sized coverage layers; the background and
every highlight are cut from the same layers, so a highlight shown at its control's position lights
exactly the pixels of the title beneath it."""
import numpy as np

import effects
import layout
import lettering
from lettering import Font

WIDTH, HEIGHT = 640, 480
TITLE_FONT = Font("Nimbus Sans", bold=True)
WORD_FONT = Font("Nimbus Sans Narrow", bold=True)
INITIALS_FONT = Font("Nimbus Sans", bold=True, italic=True)
NAME_FONT = Font("URW Bookman", bold=True, italic=True)
DESCENDER_ROWS = 3.0

WORD_ROWS = {"Credits": (359, 404), "Mute": (410, 439), "Quit": (448, 474)}
WORD_COLUMNS = (3, 16)


def _rows(index, hot, lit):
    top = layout.FIRST_TITLE_TOP + layout.TITLE_PITCH * index
    bottom = top + layout.TITLE_ROWS - 1
    return max(top, hot[1], lit[1]), min(bottom, hot[1] + hot[3] - 1, lit[1] + lit[3] - 1)


def _half_width(hot, lit):
    """Half the widest lettering, centred on the title column, that stays inside both the hot
    zone and the highlight (one column of air on each side)."""
    left = max(hot[0], lit[0]) + 1
    right = min(hot[0] + hot[2], lit[0] + lit[2]) - 2
    return min(layout.TITLE_CENTRE - left, right - layout.TITLE_CENTRE)


def _has_descender(path):
    return lettering.extents(path)[3] > 8.0


def title_layers():
    """{entry: coverage over the whole screen} for the twelve titles."""
    plans = []
    for index, (entry, hot, lit) in enumerate(layout.SONG_ENTRIES):
        path = lettering.outline(layout.song_title(entry), TITLE_FONT, tracking=0.04)
        x0, y0, x1, y1 = lettering.extents(path)
        top, bottom = _rows(index, hot, lit)
        rows = bottom - top + 1
        if _has_descender(path):
            scale = (rows - DESCENDER_ROWS) / -y0
        else:
            scale = rows / (y1 - y0)
        plans.append((entry, path, top, bottom, (x1 - x0) * scale, _half_width(hot, lit)))
    layers = {}
    for entry, path, top, bottom, natural, half in plans:
        half_width = min(half, int(natural) // 2)
        box = (layout.TITLE_CENTRE - half_width, top, layout.TITLE_CENTRE + half_width, bottom)
        cov = lettering.fit(path, box, (WIDTH, HEIGHT),
                               DESCENDER_ROWS if _has_descender(path) else None)
        layers[entry] = cov
    return layers


def word_layers():
    layers = {}
    for word, (top, bottom) in WORD_ROWS.items():
        path = lettering.rotate_cw(lettering.outline(word, WORD_FONT, tracking=0.03))
        box = (WORD_COLUMNS[0], top, WORD_COLUMNS[1], bottom)
        layers[word] = lettering.fit(path, box, (WIDTH, HEIGHT))
    return layers


def _streaks(rng, centre, half, sigma_x, sigma_y, cut):
    """Thin vertical streaks of light, strongest at the band's centre line."""
    xs, ys = effects.grid(HEIGHT, WIDTH)
    # Noise taller than the picture, so the blur does not fade the streaks at top and bottom.
    margin = 4 * int(sigma_y)
    noise = effects.blur(rng.random((HEIGHT + 2 * margin, WIDTH)), sigma_x, sigma_y)
    noise = noise[margin:margin + HEIGHT]
    noise = (noise - noise.mean()) / noise.std()
    sway = 8.0 * np.sin(ys / 70.0) + 4.0 * np.sin(ys / 23.0 + 1.0)
    across = np.clip(1.0 - ((xs - centre - sway) / half) ** 2, 0.0, 1.0)
    return np.clip((noise + 2.2 * across - 2.2 + cut) / 1.4, 0.0, 1.0) * across


def _flames(rng):
    """Flame-like streaks in blue, red and yellow running down columns 70 to 190: wide blue
    streaks outside, red inside them, a yellow core."""
    _, ys = effects.grid(HEIGHT, WIDTH)
    flicker = 0.8 + 0.2 * np.sin(ys / 23.0)
    light = np.zeros((HEIGHT, WIDTH, 3))
    for centre, half, sx, sy, cut, colour in ((130, 66, 1.6, 40, 1.0, (30, 70, 255)),
                                              (128, 46, 1.2, 28, 0.7, (240, 30, 20)),
                                              (131, 22, 1.0, 22, 0.2, (255, 220, 40))):
        layer = _streaks(rng, centre, half, sx, sy, cut) * flicker
        light = light * (1.0 - 0.85 * layer[..., None]) + layer[..., None] * colour
    return np.clip(light, 0.0, 255.0)


def _rings():
    """Lens-flare rings on a line from a bright spot in the flames down to the right."""
    light = effects.flare(HEIGHT, WIDTH, 150, 96, 5, (255, 240, 200), rays=4, ray_length=40)
    for t, radius, colour in ((0.28, 22, (150, 160, 220)), (0.42, 8, (200, 170, 150)),
                              (0.6, 38, (130, 170, 160)), (0.8, 14, (190, 150, 200)),
                              (1.0, 27, (150, 160, 210))):
        cx, cy = 150 + t * 150, 96 + t * 330
        light += effects.ring(HEIGHT, WIDTH, cx, cy, radius, 1.3, colour, 0.8)
        light += effects.ring(HEIGHT, WIDTH, cx, cy, 0, radius * 0.8, colour, 0.12)
    return light


def _initials_and_name(image):
    initials = lettering.outline("Z.A.V", INITIALS_FONT, tracking=0.02)
    cov = lettering.fit(initials, (327, 39, 539, 97), (WIDTH, HEIGHT))
    orange = effects.vertical_gradient(HEIGHT, WIDTH, [(0.0, (255, 200, 60)), (0.08, (255, 200, 60)),
                                                       (0.2, (255, 120, 10)), (1.0, (255, 120, 10))])
    lettering.paint(image, cov, orange, effects.glow(cov, (140, 60, 0), 6, 1.6))
    name = lettering.outline("Korvath", NAME_FONT, tracking=0.03)
    cov = lettering.fit(name, (360, 107, 506, 135), (WIDTH, HEIGHT))
    lettering.paint(image, cov, (235, 25, 30), effects.glow(cov, (120, 0, 10), 4, 1.5))


def _crop(image, rect):
    left, top, w, h = rect
    return image[top:top + h, left:left + w].copy()


def _lit(cov, lettering_colour, glow_colour):
    image = np.zeros((HEIGHT, WIDTH, 3)) + layout.BACKGROUND
    lettering.paint(image, cov, lettering_colour, effects.glow(cov, glow_colour, 2.5, 2.2))
    return image


def pictures():
    """{holder: H x W x 3 image} for the background and the fifteen highlights."""
    rng = np.random.default_rng(1999)
    background = np.zeros((HEIGHT, WIDTH, 3)) + layout.BACKGROUND
    background = np.maximum(background, _flames(rng))
    background = effects.screen_add(background, _rings())
    _initials_and_name(background)
    out = {}
    for entry, cov in title_layers().items():
        lettering.paint(background, cov, (238, 238, 248), effects.glow(cov, (40, 40, 70), 2, 1.5))
        lit = _lit(cov, (255, 255, 255), (150, 50, 160))
        out[entry + "2"] = _crop(lit, next(e[2] for e in layout.SONG_ENTRIES if e[0] == entry))
    for word, cov in word_layers().items():
        lettering.paint(background, cov, (200, 200, 210))
        lit = _lit(cov, (200, 255, 200), (30, 150, 40))
        out[word + "2"] = _crop(lit, next(e[2] for e in layout.WORD_ENTRIES if e[0] == word))
    out["ImageMenuPozadi"] = background
    return out
