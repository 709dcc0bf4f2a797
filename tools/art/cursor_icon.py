"""The mouse cursor and the program icon, both 32 x 32, drawn pixel by pixel."""
import numpy as np

# The arrow: B black outline, W white, '.' transparent; the tip (the hot spot) is the top-left pixel.
ARROW = [
    "BBBBBBB....",
    "BWWWWB.....",
    "BWWWB......",
    "BWWWWB.....",
    "BWWWWWB....",
    "BWBWWWWB...",
    "BB.BWWWWB..",
    "B...BWWWWB.",
    ".....BWWWWB",
    "......BWWWB",
    ".......BWWB",
    "........BBB",
]

# The standard 16-colour VGA palette: the icon is stored with exactly these colours.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_RED, GREY, DARK_GREY, RED, YELLOW, WHITE = 0, 1, 7, 8, 9, 11, 15

# 5 x 7 letters for the icon's left edge.
LETTERS = {
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
}


def cursor():
    image = np.zeros((32, 32, 4))
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c == "B":
                image[y, x] = (0, 0, 0, 255)
            elif c == "W":
                image[y, x] = (255, 255, 255, 255)
    return image


def icon():
    """(indices into VGA, VGA)."""
    ys, xs = np.mgrid[0:32, 0:32]
    # Multicoloured diagonal bands behind the cabinet.
    bands = [12, 14, 10, 11, 13, 5, 6, 3]
    pixels = np.array(bands, dtype=np.uint8)[((xs + ys) // 5) % len(bands)]
    # The cabinet with a darker rim.
    pixels[2:31, 9:31] = DARK_RED
    pixels[3:30, 10:30] = RED
    # Tweeter and the large cone with its dust cap.
    for cx, cy, rings in ((19.5, 6.5, [(2.4, BLACK), (1.2, GREY)]),
                          (19.5, 20.0, [(8.6, BLACK), (7.5, DARK_GREY), (6.5, BLACK), (2.8, DARK_GREY),
                                        (1.5, GREY)])):
        d = np.hypot(xs + 0.5 - cx, ys + 0.5 - cy)
        for radius, colour in rings:
            pixels[d <= radius] = colour
    # The initials down the left edge, white with a black shadow.
    for i, letter in enumerate("ZAV"):
        top = 2 + i * 10
        for y, row in enumerate(LETTERS[letter]):
            for x, c in enumerate(row):
                if c == "#":
                    pixels[top + y + 1, 2 + x + 1] = BLACK
        for y, row in enumerate(LETTERS[letter]):
            for x, c in enumerate(row):
                if c == "#":
                    pixels[top + y, 2 + x] = WHITE
    return pixels, VGA
