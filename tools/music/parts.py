"""Parts of a band: each writes one voice of one section into the score.

Every part gets the section (its first row, bar count and chords) and writes
notes relative to the chords, so bass, chords and tunes always agree.
"""
from score import STEPS_PER_BAR
from theory import nearest

LEVELS = {"X": 64, "x": 50, "o": 34, "g": 22}

# Effect numbers of the XM format.
ARPEGGIO, PORTA_UP, PORTA_DOWN, TONE_PORTA, VIBRATO = 0x0, 0x1, 0x2, 0x3, 0x4
VOL_SLIDE, PANNING, OFFSET, EXTENDED, GLOBAL_VOL = 0xA, 0x8, 0x9, 0xE, 0x10
RETRIG, NOTE_CUT, NOTE_DELAY = 0x90, 0xC0, 0xD0   # extended sub-commands (param high nibble)


def drums(score, section, voices, fill=None, fill_bars=1, crash=None):
    """voices: list of (channel, instrument, pitch, pattern); a pattern holds
    X/x/o/g hits, '.' rests and 'r' rolls, and repeats over the section.
    fill: the same for the last fill_bars of the section (replacing those voices
    whose channel it names)."""
    total = section.bars * STEPS_PER_BAR
    fill_from = total - fill_bars * STEPS_PER_BAR if fill else total
    fill_map = {f[0]: f for f in fill} if fill else {}
    for ch, ins, pitch, pattern in voices:
        for step in range(total):
            if step >= fill_from and ch in fill_map:
                _, fins, fpitch, fpat = fill_map[ch]
                sym = fpat[(step - fill_from) % len(fpat)]
                _hit(score, ch, section.start + step, fins, fpitch, sym)
            else:
                _hit(score, ch, section.start + step, ins, pitch, pattern[step % len(pattern)])
    if fill:
        for ch, (_, fins, fpitch, fpat) in fill_map.items():
            if any(v[0] == ch for v in voices):
                continue
            for step in range(fill_from, total):
                _hit(score, ch, section.start + step, fins, fpitch, fpat[(step - fill_from) % len(fpat)])
    if crash:
        ch, ins, pitch, vol = crash
        score.note(ch, section.start, pitch, ins, vol)


def _hit(score, ch, row, ins, pitch, sym):
    if sym == ".":
        return
    if sym == "r":
        score.note(ch, row, pitch, ins, 40, (EXTENDED, RETRIG | 2))
        return
    if sym == "f":  # flam: a soft hit delayed by two ticks
        score.note(ch, row, pitch, ins, 30, (EXTENDED, NOTE_DELAY | 2))
        return
    score.note(ch, row, pitch, ins, LEVELS[sym])


def bass(score, section, ch, ins, pattern, octave=36, gate=None, slide_next=False, vol=52):
    """pattern: one char per step: R root, O octave, F fifth, T third, S seventh,
    N the next chord's root, '-' hold, '.' rest (key-off), ' ' let ring.
    Lower-case letters are ghost notes. Patterns repeat; 32- and 64-step
    patterns span two and four bars."""
    total = section.bars * STEPS_PER_BAR
    for step in range(total):
        sym = pattern[step % len(pattern)]
        row = section.start + step
        if sym == ".":
            score.off(ch, row)
            continue
        if sym in " -":
            continue
        chord = section.chord_at(step)
        if sym.upper() == "N":
            nxt = section.chord_at(min(total - 1, (step // STEPS_PER_BAR + 1) * STEPS_PER_BAR))
            midi = nearest(nxt.root, octave + 6)
        else:
            midi = nearest(chord.root, octave + 6) + chord.tone(sym.upper())
            if midi < octave:
                midi += 12
        score.note(ch, row, midi, ins, vol if sym.isupper() else vol * 0.6)
        if gate:
            score.off(ch, row + gate)


def walking_bass(score, section, ch, ins, octave=36, vol=50, rng=None):
    """Quarter notes walking from chord root towards the next chord."""
    for bar in range(section.bars):
        chord = section.chord_at(bar * STEPS_PER_BAR)
        nxt = section.chord_at(min(section.bars - 1, bar + 1) * STEPS_PER_BAR)
        root = nearest(chord.root, octave + 6)
        target = nearest(nxt.root, root)
        fifth = root + chord.tone("F")
        third = root + chord.tone("T")
        approach = target + (1 if rng and rng.random() < 0.5 else -1)
        line = [root, third if rng and rng.random() < 0.5 else fifth, fifth if rng and rng.random() < 0.6 else root + 12, approach]
        for beat, midi in enumerate(line):
            score.note(ch, section.start + bar * STEPS_PER_BAR + beat * 4, midi, ins, vol - (0 if beat % 2 == 0 else 8))


def voicing(chord, center, size=3):
    notes = sorted(nearest(pc, center) for pc in chord.pitch_classes()[:max(size, 3)])
    while len(notes) < size:
        notes.append(notes[len(notes) % 3] + 12)
    return sorted(notes[:size])


def pad(score, section, chs, ins, center=62, vol=40, restrike_each_bar=False):
    """Sustained chord, one channel per voice; new notes only where the chord changes."""
    prev = None
    total = section.bars * STEPS_PER_BAR
    for step in range(0, total, STEPS_PER_BAR // 2):
        chord = section.chord_at(step)
        if chord is prev and not (restrike_each_bar and step % STEPS_PER_BAR == 0):
            continue
        prev = chord
        for ch, midi in zip(chs, voicing(chord, center, len(chs))):
            score.note(ch, section.start + step, midi, ins, vol)
    for ch in chs:
        score.off(ch, section.start + total - 1)


def stabs(score, section, chs, ins, pattern, center=64, vol=40, gate=2):
    """Rhythmic chord hits: pattern chars X/x/o hit, '.' nothing."""
    total = section.bars * STEPS_PER_BAR
    for step in range(total):
        sym = pattern[step % len(pattern)]
        if sym == ".":
            continue
        notes = voicing(section.chord_at(step), center, len(chs))
        for ch, midi in zip(chs, notes):
            score.note(ch, section.start + step, midi, ins, vol * LEVELS[sym] / 64)
            if gate:
                score.off(ch, section.start + step + gate)


def arpeggio(score, section, ch, ins, order, center=67, vol=36, rate=1, octaves=2, gate=None):
    """Broken chord: order indexes the chord tones spread over octaves, one per `rate` steps."""
    total = section.bars * STEPS_PER_BAR
    for i, step in enumerate(range(0, total, rate)):
        sym = order[i % len(order)]
        if sym == ".":
            continue
        chord = section.chord_at(step)
        base = voicing(chord, center - 6, 3)
        tones = base + [n + 12 for n in base] + [n + 24 for n in base]
        midi = tones[int(sym) % (3 * octaves)]
        accent = 1.0 if step % 4 == 0 else 0.8
        score.note(ch, section.start + step, midi, ins, vol * accent)
        if gate:
            score.off(ch, section.start + step + gate)


def chip_chords(score, section, ch, ins, pattern, center=60, vol=34):
    """One channel sounding the chord with the tracker's arpeggio effect."""
    total = section.bars * STEPS_PER_BAR
    for step in range(total):
        sym = pattern[step % len(pattern)]
        chord = section.chord_at(step)
        iv = [i % 12 for i in chord.intervals[:3]]
        root = nearest(chord.root, center)
        x = (iv[1] - iv[0]) % 12
        y = (iv[2] - iv[0]) % 12
        if sym in "Xxo":
            score.note(ch, section.start + step, root, ins, vol * LEVELS[sym] / 64, (ARPEGGIO, x * 16 + y))
        elif sym == "-":
            score.effect(ch, section.start + step, ARPEGGIO, x * 16 + y)
        elif sym == ".":
            score.off(ch, section.start + step)


def swell(score, section, ch, ins, midi, vol_from=8, slide=0x01):
    """A long note fading in with volume slides (for risers and pads)."""
    score.note(ch, section.start, midi, ins, vol_from)
    for step in range(1, section.bars * STEPS_PER_BAR):
        score.effect(ch, section.start + step, VOL_SLIDE, slide << 4)
