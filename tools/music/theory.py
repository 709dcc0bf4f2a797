"""Keys, modes and chord symbols."""

NOTE_NAMES = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]

MODES = {
    "major": [0, 2, 4, 5, 7, 9, 11],
    "minor": [0, 2, 3, 5, 7, 8, 10],
    "dorian": [0, 2, 3, 5, 7, 9, 10],
    "phrygian": [0, 1, 3, 5, 7, 8, 10],
    "mixolydian": [0, 2, 4, 5, 7, 9, 10],
    "lydian": [0, 2, 4, 6, 7, 9, 11],
}

NUMERALS = ["i", "ii", "iii", "iv", "v", "vi", "vii"]

QUALITIES = {
    ("", True): [0, 4, 7], ("", False): [0, 3, 7],
    ("7", True): [0, 4, 7, 10], ("7", False): [0, 3, 7, 10],
    ("maj7", True): [0, 4, 7, 11], ("maj7", False): [0, 3, 7, 11],
    ("9", True): [0, 4, 7, 10, 14], ("9", False): [0, 3, 7, 10, 14],
    ("add9", True): [0, 4, 7, 14], ("add9", False): [0, 3, 7, 14],
    ("sus2", True): [0, 2, 7], ("sus2", False): [0, 2, 7],
    ("sus4", True): [0, 5, 7], ("sus4", False): [0, 5, 7],
    ("dim", True): [0, 3, 6], ("dim", False): [0, 3, 6],
    ("5", True): [0, 7], ("5", False): [0, 7],
    ("6", True): [0, 4, 7, 9], ("6", False): [0, 3, 7, 9],
}


FLAT_NAMES = {"Db": 1, "Eb": 3, "Gb": 6, "Ab": 8, "Bb": 10}


class Key:
    def __init__(self, tonic, mode):
        self.tonic_name = tonic
        self.tonic = FLAT_NAMES[tonic] if tonic in FLAT_NAMES else NOTE_NAMES.index(tonic)
        self.mode = mode
        self.scale = MODES[mode]

    def name(self):
        return f"{self.tonic_name} {self.mode}"

    def chord(self, symbol):
        """'bVI', 'iv7', 'Vsus4', 'IImaj7' -> Chord, degrees counted in this mode."""
        s = symbol
        shift = 0
        while s and s[0] in "b#":
            shift += -1 if s[0] == "b" else 1
            s = s[1:]
        numeral = ""
        while s and s[0].lower() in "iv":
            numeral += s[0]
            s = s[1:]
        degree = NUMERALS.index(numeral.lower())
        major = numeral.isupper()
        if shift:
            # Altered degrees are counted from the major scale, as written in lead sheets.
            root = (MODES["major"][degree] + shift) % 12
        else:
            root = self.scale[degree]
        return Chord((self.tonic + root) % 12, QUALITIES[(s, major)])


class Chord:
    def __init__(self, root, intervals):
        self.root = root
        self.intervals = intervals

    def pitch_classes(self):
        return [(self.root + i) % 12 for i in self.intervals]

    def tone(self, which):
        """'R' root, 'T' third, 'F' fifth, 'S' seventh (minor seventh if absent), 'O' octave."""
        if which in "RO":
            return 0 if which == "R" else 12
        if which == "T":
            return self.intervals[1] if len(self.intervals) > 2 else self.intervals[1] - 3
        if which == "F":
            return 7 if 7 in self.intervals else self.intervals[-1]
        if which == "S":
            seventh = [i for i in self.intervals if i in (10, 11)]
            return seventh[0] if seventh else 10
        raise ValueError(which)


def nearest(pc, around):
    """The MIDI note of pitch class pc closest to `around`."""
    base = around - ((around - pc) % 12)
    return base if around - base <= 6 else base + 12
