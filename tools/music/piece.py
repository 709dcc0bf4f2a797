"""A piece: key, tempo, arrangement of sections and its instruments.

The tempo is fitted to the playing time the disk announces for the song: the
arrangement is fixed in bars, so the tempo (and at most a few bars of the
section marked flexible) is chosen to make the whole run last that long.
"""
from parts import GLOBAL_VOL
from score import SPEED, STEPS_PER_BAR, Score
from theory import Key
from xm import write_xm


class Section:
    def __init__(self, name, bars, progression, key, flexible=False, **flags):
        self.name = name
        self.bars = bars
        self.progression = [[key.chord(s) for s in bar.split()] for bar in progression]
        self.key = key
        self.flexible = flexible
        self.flags = flags
        self.start = 0

    def chord_at(self, step):
        bar = self.progression[(step // STEPS_PER_BAR) % len(self.progression)]
        return bar[(step % STEPS_PER_BAR) * len(bar) // STEPS_PER_BAR]

    def has(self, flag):
        return self.flags.get(flag, False)


def seconds(bars, bpm):
    """Playing time as libopenmpt counts it: whole samples per tick at 48 kHz."""
    samples_per_tick = int(48000 * 2.5 / bpm)
    return bars * STEPS_PER_BAR * SPEED * samples_per_tick / 48000


def fit_tempo(bars, flexible, wish, target):
    """Tempo and extra bars so the piece lasts target seconds (to the second)."""
    best = None
    for extra in range(0, 5 if flexible else 1):
        for bpm in range(wish - 6, wish + 7):
            err = abs(seconds(bars + extra, bpm) - target)
            if err < 0.45:
                cost = abs(bpm - wish) + 3 * extra
                if best is None or cost < best[0]:
                    best = (cost, bpm, extra)
    if best is None:
        raise ValueError(f"no tempo near {wish} gives {target} s")
    return best[1], best[2]


class Piece:
    def __init__(self, title, file, tonic, mode, tempo, time, channels):
        self.title = title
        self.file = file
        self.key = Key(tonic, mode)
        self.wish = tempo
        minutes, secs = time.split(":")
        self.target = int(minutes) * 60 + int(secs)
        self.channels = channels
        self.sections = []
        self.instruments = []
        self.restart_section = 0
        self.bpm = tempo

    def section(self, name, bars, progression, **kw):
        s = Section(name, bars, progression, self.key, **kw)
        self.sections.append(s)
        return s

    def loop_from(self, index):
        """Endless play returns to this section."""
        self.restart_section = index

    def fit(self):
        bars = sum(s.bars for s in self.sections)
        flex = [s for s in self.sections if s.flexible]
        self.bpm, extra = fit_tempo(bars, bool(flex), self.wish, self.target)
        if extra:
            flex[0].bars += extra
        start = 0
        for s in self.sections:
            s.start = start * STEPS_PER_BAR
            start += s.bars
        self.score = Score(self.channels, start)
        return self.bpm

    def add(self, instrument):
        self.instruments.append(instrument)
        return len(self.instruments)

    def write(self, path, global_volume):
        # The global volume is set once on the first row; the loop never returns there.
        control = self.channels
        self.score.effect(control, 0, GLOBAL_VOL, global_volume)
        patterns, order, starts = self.score.patterns([s.bars for s in self.sections])
        return write_xm(path, self.title, self.channels + 1, SPEED, self.bpm, patterns, order,
                        starts[self.restart_section], self.instruments)

    def duration(self):
        return seconds(sum(s.bars for s in self.sections), self.bpm)
