"""The intro pictures: the rising number matrix and the full-screen logo."""

import numpy as np

import effects
import layout
import lettering
import texts
from lettering import Font

MATRIX_SIZE = (480, 960)
MATRIX_PITCH = 24
MATRIX_NAME_BOX = (72, 704, 394, 734)
DIGITS_PER_ROW = 40
DIGIT_FONT = Font("DejaVu Sans Mono", bold=True)
NAME_FONT = Font("Nimbus Sans", bold=True)
WIDTH, HEIGHT = 640, 480


def matrix():
    width, height = MATRIX_SIZE
    rng = np.random.default_rng(224)
    light = np.zeros((height, width))
    cell = width // DIGITS_PER_ROW
    for row in range(height // MATRIX_PITCH):
        digits = "".join(str(d) for d in rng.integers(0, 10, DIGITS_PER_ROW))
        top = row * MATRIX_PITCH + 5
        cov = lettering.fit(lettering.outline(digits, DIGIT_FONT), (2, top, width - 3, top + 13),
                               (width, height))
        brightness = np.repeat(rng.uniform(0.2, 1.0, DIGITS_PER_ROW), cell)
        light += cov * brightness[None, :]
    name_left, name_top, name_right, name_bottom = MATRIX_NAME_BOX
    # Quiet the digits around the name so it reads clearly.
    xs, ys = effects.grid(height, width)
    near = np.exp(-((np.maximum(0, np.maximum(name_left - xs, xs - name_right)) / 30.0) ** 2
                    + (np.maximum(0, np.maximum(name_top - ys, ys - name_bottom)) / 14.0) ** 2))
    light *= 1.0 - 0.85 * near
    image = np.zeros((height, width, 3)) + layout.BACKGROUND
    image = np.maximum(image, light[..., None] * np.array([40, 140, 60]))
    name = lettering.outline(texts.GROUP.upper(), NAME_FONT, tracking=0.08)
    cov = lettering.fit(name, MATRIX_NAME_BOX, (width, height))
    lettering.paint(image, cov, (170, 255, 170), effects.glow(cov, (30, 150, 40), 4, 2.0))
    return image


def _swirl():
    """A violet, red and yellow swirl of light with rings, over the left half."""
    xs, ys = effects.grid(HEIGHT, WIDTH)
    cx, cy = 190.0, 235.0
    dx, dy = xs - cx, ys - cy
    r = np.hypot(dx, dy)
    theta = np.arctan2(dy, dx)
    arms = 0.5 + 0.5 * np.cos(3.0 * theta - r / 26.0)
    fine = 0.5 + 0.5 * np.cos(7.0 * theta + r / 11.0)
    falloff = np.exp(-r / 120.0)
    energy = np.clip(falloff * (arms ** 2.5 * 1.4 + fine ** 6 * 0.35) + np.exp(-(r / 28.0) ** 2), 0, 1)
    t = np.clip(r / 220.0, 0.0, 1.0)
    stops = [(0.0, (255, 250, 170)), (0.15, (255, 210, 50)), (0.4, (240, 40, 40)),
             (0.7, (150, 40, 200)), (1.0, (70, 20, 130))]
    pos = [p for p, _ in stops]
    colour = np.stack([np.interp(t, pos, [c[i] for _, c in stops]) for i in range(3)], axis=-1)
    light = energy[..., None] * colour
    for radius, tint in ((70, (200, 150, 255)), (132, (255, 150, 120)), (205, (170, 120, 255))):
        light += effects.ring(HEIGHT, WIDTH, cx, cy, radius, 1.6, tint, 0.55)
    light += effects.flare(HEIGHT, WIDTH, cx, cy, 10, (255, 255, 230), rays=6, ray_length=60)
    return light


def _glowing_black(image, cov, glow_colour, sigma, strength):
    image[...] = effects.screen_add(image, effects.glow(cov, glow_colour, sigma, strength))
    image *= (1.0 - cov)[..., None]


def _sign(image):
    """A lilac calligraphic flourish with a bright flare at its tip."""
    sign = lettering.outline("K", Font("Z003", bold=False, italic=True))
    cov = lettering.fit(sign, (470, 262, 560, 372), (WIDTH, HEIGHT))
    image[...] = effects.screen_add(image, effects.glow(cov, (120, 80, 170), 5, 1.0))
    image[...] = np.maximum(image, cov[..., None] * np.array([205, 160, 255]))
    image[...] = effects.screen_add(image, effects.flare(HEIGHT, WIDTH, 552, 270, 4,
                                                         (255, 245, 255), rays=4, ray_length=30))


def logo():
    image = np.zeros((HEIGHT, WIDTH, 3))
    image = effects.screen_add(image, _swirl())
    initials = lettering.outline(texts.PRODUCT_INITIALS, Font("Nimbus Sans", bold=True, italic=True),
                                 tracking=0.02)
    cov = lettering.fit(initials, (362, 92, 606, 172), (WIDTH, HEIGHT))
    _glowing_black(image, cov, (255, 210, 40), 6, 2.2)
    name = lettering.outline(texts.PRODUCT_NAME, Font("URW Bookman", bold=True, italic=True),
                             tracking=0.03)
    cov = lettering.fit(name, (392, 190, 578, 226), (WIDTH, HEIGHT))
    lettering.paint(image, cov, (235, 25, 30), effects.glow(cov, (120, 0, 10), 4, 1.5), cap=255)
    _sign(image)
    group = lettering.outline(texts.GROUP, Font("URW Bookman", bold=True, italic=True), tracking=0.04)
    cov = lettering.fit(group, (462, 430, 618, 454), (WIDTH, HEIGHT))
    lettering.paint(image, cov, (255, 150, 30), effects.glow(cov, (110, 40, 0), 3, 1.4), cap=255)
    return image


def pictures():
    return {"Matrix": matrix(), "Logo": logo()}
