"""Where things sit on the 640 x 480 menu, and the song facts read from assets/songs.tsv."""
import csv
import os

ASSETS = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", "..", "assets"))
PICTURES = os.path.join(ASSETS, "pictures")

BACKGROUND = (4, 4, 4)

# (left, top, width, height) of the hot zone and the highlight of each menu entry, top to bottom.
SONG_ENTRIES = [
    ("Clouds", (368, 152, 129, 33), (355, 155, 155, 25)),
    ("Intos", (384, 176, 97, 25), (355, 180, 155, 19)),
    ("Labyrinth", (368, 192, 129, 25), (355, 199, 155, 21)),
    ("LastCrusader", (376, 216, 113, 25), (355, 220, 155, 18)),
    ("Psycho", (384, 240, 97, 17), (355, 240, 155, 18)),
    ("CyberDream", (376, 256, 113, 25), (355, 260, 155, 18)),
    ("Friends", (400, 280, 65, 17), (405, 278, 58, 19)),
    ("Frail", (392, 296, 81, 25), (355, 298, 155, 18)),
    ("Inborn", (384, 320, 97, 17), (355, 320, 155, 16)),
    ("Toots", (352, 336, 161, 25), (355, 339, 155, 19)),
    ("Turrican", (360, 360, 153, 17), (355, 359, 155, 20)),
    ("DFactory", (368, 376, 129, 25), (355, 378, 155, 22)),
]

WORD_ENTRIES = [
    ("Credits", (0, 352, 17, 57), (0, 356, 20, 51)),
    ("Mute", (0, 408, 17, 33), (0, 406, 18, 37)),
    ("Quit", (0, 448, 17, 41), (0, 444, 18, 36)),
]

TITLE_CENTRE = 433
FIRST_TITLE_TOP = 161
TITLE_PITCH = 20
TITLE_ROWS = 17


def songs():
    with open(os.path.join(ASSETS, "songs.tsv"), newline="") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def song_title(entry):
    return next(row["title"] for row in songs() if row["entry"] == entry)


def picture_path(holder):
    return os.path.join(PICTURES, holder + ".png")
