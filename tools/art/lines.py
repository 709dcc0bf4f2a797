"""One-line pictures: the twelve song lines, the long main text and the loading words."""
import numpy as np

import effects
import layout
import lettering
import texts
from lettering import Font

LINE_FONT = Font("DejaVu Sans", bold=True)
MAIN_TEXT_FONT = Font("DejaVu Sans Condensed", bold=True)
LINE_ROWS = (7, 32)     # lettering rows, ascenders to descenders, well inside the top 41
LINE_MARGIN = 6         # columns left free at each end of a song line
MAIN_TEXT_COLUMNS = (2, 14170)
MAIN_TEXT_SIZE = (14171, 37)
LOADING_SIZE = (238, 30)


def _orange(height, width):
    return effects.vertical_gradient(height, width, [(0.0, (255, 215, 70)), (0.3, (255, 175, 30)),
                                                     (0.7, (255, 120, 10)), (1.0, (240, 80, 0))])


def _tracking_to_fill(text, font, rows, width):
    """Extra letter spacing that makes the text about `width` wide at `rows` rows high, so the
    exact fit afterwards hardly changes the letters' proportions."""
    path = lettering.outline(text, font)
    x0, y0, x1, y1 = lettering.extents(path)
    natural = (x1 - x0) * rows / (y1 - y0)
    per_gap_px = (width - natural) / max(1, len(text) - 1)
    tracking = per_gap_px * (y1 - y0) / rows / 100.0
    return max(-0.06, min(0.08, tracking))


def text_line(text, size, columns, rows, background, font=LINE_FONT):
    width, height = size
    tracking = _tracking_to_fill(text, font, rows[1] - rows[0] + 1, columns[1] - columns[0] + 1)
    path = lettering.outline(text, font, tracking=tracking)
    cov = lettering.fit(path, (columns[0], rows[0], columns[1], rows[1]), (width, height))
    image = np.zeros((height, width, 3)) + background
    colour = _orange(height, width)
    lettering.paint(image, cov, colour, effects.glow(cov, (90, 25, 0), 1.5, 1.2))
    return image


def song_lines():
    out = {}
    for row in layout.songs():
        if row["line"] == "-":
            continue
        width, height = (int(v) for v in row["line_size"].split("x"))
        columns = (LINE_MARGIN, width - 1 - LINE_MARGIN)
        out[row["line"]] = text_line(texts.song_line(row), (width, height), columns, LINE_ROWS,
                                     layout.BACKGROUND)
    return out


def main_text():
    return text_line(texts.MAIN_TEXT, MAIN_TEXT_SIZE, MAIN_TEXT_COLUMNS, LINE_ROWS, (0, 0, 0),
                     MAIN_TEXT_FONT)


def loading():
    width, height = LOADING_SIZE
    path = lettering.outline("Loading, please wait...", Font("DejaVu Sans", bold=True))
    cov = lettering.fit(path, (8, 8, width - 9, 24), (width, height))
    image = np.zeros((height, width, 3))
    lettering.paint(image, cov, (255, 255, 255), effects.glow(cov, (60, 60, 90), 1.5, 1.0))
    return image


def pictures():
    out = song_lines()
    out["ScrollText"] = main_text()
    out["Loading"] = loading()
    return out
