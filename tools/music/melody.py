"""Tunes: a theme is a two-bar motif plus an answer and a cadence, stored as
rhythm and scale-step contour. Realised over a section's chords it bends to the
harmony (strong beats land on chord tones); each return may vary it."""
import random

from parts import EXTENDED, NOTE_DELAY, PANNING, VIBRATO
from score import STEPS_PER_BAR
from theory import nearest

BLOCK = 2 * STEPS_PER_BAR

STYLES = {
    # cells: beat- or two-beat-long rhythm cells (step lengths; negative = rest)
    "busy": [([2, 2], 4), ([1, 1, 2], 3), ([2, 1, 1], 3), ([4], 2), ([3, 1], 2), ([1, 1, 1, 1], 2),
             ([-2, 2], 1), ([3, 3, 2], 2)],
    "flowing": [([4], 4), ([2, 2], 4), ([6, 2], 2), ([8], 2), ([3, 1], 1), ([-2, 2], 1), ([2, 1, 1], 1)],
    "lyrical": [([8], 4), ([4], 3), ([6, 2], 3), ([12, 4], 1), ([2, 2], 2), ([-4], 1)],
    "broad": [([8], 3), ([16], 2), ([12, 4], 2), ([4], 2), ([6, 2], 2)],
    "riff": [([1, 1, 2], 3), ([2, 2], 3), ([-1, 1, 2], 2), ([1, 1, 1, 1], 3), ([-2, 1, 1], 2), ([3, 3, 2], 2)],
}
MOVES = [(-4, 1), (-3, 2), (-2, 5), (-1, 12), (0, 4), (1, 12), (2, 5), (3, 2), (4, 1)]


def _pick(rng, weighted):
    total = sum(w for _, w in weighted)
    x = rng.random() * total
    for item, w in weighted:
        x -= w
        if x < 0:
            return item
    return weighted[-1][0]


def _motif(rng, style, cadence=False):
    """[(onset, length, move)] over two bars; a rest is a None move."""
    cells = STYLES[style]
    notes, pos = [], 0
    end = BLOCK - (8 if cadence else 0)
    while pos < end:
        cell = _pick(rng, [(c, w) for c, w in cells if sum(abs(x) for x in c) <= end - pos])
        for length in cell:
            if length > 0:
                notes.append((pos, length, _pick(rng, MOVES)))
            pos += abs(length)
    if cadence:
        notes.append((pos, 8, 0))
    notes[0] = (notes[0][0], notes[0][1], 0)
    return notes


class Theme:
    def __init__(self, seed, style="flowing", center=72, low=60, high=86):
        rng = random.Random(seed)
        self.seed = seed
        self.motif = _motif(rng, style)
        self.answer = _motif(rng, style)
        self.cadence = _motif(rng, style, cadence=True)
        self.center, self.low, self.high = center, low, high

    def blocks(self, count):
        """Motif, motif again, answer, cadence; repeated for longer sections."""
        plan = ["motif", "motif", "answer", "cadence"]
        if count == 1:
            return ["cadence"]
        if count == 2:
            return ["motif", "cadence"]
        return [plan[i % 4] for i in range(count - 1)] + ["cadence"]


def _scale_notes(section, chord):
    """Scale of the key, with any note that clashes by a semitone with a chord tone
    replaced by that chord tone."""
    pcs = [(section.key.tonic + s) % 12 for s in section.key.scale]
    tones = chord.pitch_classes()
    out = set()
    for pc in pcs:
        clash = [t for t in tones if t not in pcs and (t - pc) % 12 in (1, 11)]
        out.add(clash[0] if clash else pc)
    return sorted(out)


def _step(midi, move, pcs):
    while move:
        d = 1 if move > 0 else -1
        midi += d
        while midi % 12 not in pcs:
            midi += d
        move -= d
    return midi


def _snap(midi, chord):
    tones = chord.pitch_classes()
    best = min((abs(nearest(t, midi) - midi), nearest(t, midi)) for t in tones)
    return best[1]


def realise(score, section, ch, ins, theme, variation=0, vol=48, echo=None, vibrato=0x42,
            transpose=0, start_bar=0, bars=None):
    """Write the theme over `bars` bars of the section from start_bar.

    variation 0 is the plain theme; higher values add passing notes, lift the
    answer an octave or displace accents, each decided by a seed of its own."""
    rng = random.Random(theme.seed * 131 + variation)
    bars = section.bars - start_bar if bars is None else bars
    count = max(1, bars // 2)
    notes = []
    midi = theme.center + transpose
    for b, kind in enumerate(theme.blocks(count)):
        base = (start_bar + 2 * b) * STEPS_PER_BAR
        motif = getattr(theme, kind)
        chord = section.chord_at(base)
        if kind == "motif":
            midi = _snap(theme.center + transpose + (2 if variation % 3 == 2 and b % 4 == 1 else 0), chord)
        lift = 12 if variation >= 2 and kind == "answer" and midi + 12 <= theme.high + transpose else 0
        for i, (onset, length, move) in enumerate(motif):
            step = base + onset
            chord = section.chord_at(step)
            pcs = _scale_notes(section, chord)
            midi = _step(midi, move, pcs) if i else midi
            if step % 8 == 0 or length >= 8:
                midi = _snap(midi, chord)
            if kind == "cadence" and i == len(motif) - 1:
                midi = nearest(chord.root, midi)
            while midi > theme.high + transpose:
                midi -= 12
            while midi < theme.low + transpose:
                midi += 12
            notes.append([step, length, midi + lift])
    if variation:
        notes = _ornament(notes, rng, section, variation)
    _write(score, section, ch, ins, notes, vol, echo, vibrato)


def _ornament(notes, rng, section, variation):
    out = []
    for step, length, midi in notes:
        if length >= 4 and rng.random() < 0.15 + 0.1 * variation:
            half = length // 2
            pcs = _scale_notes(section, section.chord_at(step + half))
            out.append([step, half, midi])
            out.append([step + half, length - half, _step(midi, rng.choice((-1, 1)), pcs)])
        else:
            out.append([step, length, midi])
    return out


def _write(score, section, ch, ins, notes, vol, echo, vibrato):
    for i, (step, length, midi) in enumerate(notes):
        row = section.start + step
        accent = 1.0 if step % 4 == 0 else 0.85
        score.note(ch, row, midi, ins, vol * accent)
        nxt = notes[i + 1][0] if i + 1 < len(notes) else None
        if nxt is None or nxt > step + length:
            score.off(ch, row + length)
        if vibrato and length >= 6:
            for r in range(row + 3, row + length):
                score.effect(ch, r, VIBRATO, vibrato)
        if echo:
            ech, delay, level, pan = echo
            erow = row + delay
            score.note(ech, erow, midi, ins, vol * accent * level, (PANNING, pan))
            if nxt is None or nxt > step + length:
                score.off(ech, erow + length)


def line(score, section, ch, ins, notes, vol=48, echo=None, vibrato=0x42, transpose=0):
    """A fixed tune written out note by note: [(bar, step, length, midi offset from tonic)]."""
    tonic = section.key.tonic + 60
    out = [[bar * STEPS_PER_BAR + step, length, tonic + off + transpose] for bar, step, length, off in notes]
    _write(score, section, ch, ins, out, vol, echo, vibrato)


def swing(score, section, channels):
    """Delay every off-beat eighth by two ticks: a light shuffle."""
    for ch in channels:
        for step in range(2, section.bars * STEPS_PER_BAR, 4):
            cell = score.rows[section.start + step].get(ch)
            if cell is not None and cell.note and not cell.effect and not cell.param:
                cell.effect, cell.param = EXTENDED, NOTE_DELAY | 2
