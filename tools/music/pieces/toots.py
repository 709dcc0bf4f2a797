"""Toots: jazz rock. Extended chords on electric piano, a walking-then-
syncopated bass, ride cymbal time, a horn head and an overdriven solo chorus."""
import random

import synth
from kit import drum, harmonics, held_pluck, osc
from melody import Theme, realise, swing
from parts import bass, drums, stabs, walking_bass
from piece import Piece

FILE = "toots.zav"
KICK, SNARE, RIDE, HAT, BASS, EP1, EP2, EP3, HEAD, HEAD2, SOLO, CRASH = range(12)


def compose():
    p = Piece("Toots", FILE, "Bb", "dorian", 136, "1:58", channels=12)
    head = ["i9", "IV7", "i9", "IV7", "bVIImaj7", "bIIImaj7", "ii7", "V7"]
    solo = ["i7", "i7", "IV9", "IV9", "bVImaj7", "V7", "i7", "V7"]
    p.section("intro", 4, ["i9", "IV7", "i9", "V7"])
    p.section("head", 16, head)
    p.section("solo", 16, solo)
    p.section("bridge", 8, ["bVImaj7", "bVIImaj7", "bIIImaj7", "V7"])
    p.section("head2", 16, head)
    p.section("tag", 8, ["i9", "IV7", "i9", "V7"], flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(150, 55, 0.03, 0.25, click=0.3, drive=1.2), bits=16, volume=52))
    snare = p.add(drum("snare", synth.snare(240, 0.22, 0.08, tone_mix=0.5, seed=101, bright=0.75), volume=50))
    ride = p.add(drum("ride", synth.cymbal(0.7, 0.25, seed=102), volume=30))
    hat = p.add(drum("pedal hat", synth.hat(0.05, 0.015, seed=103, metal=0.4), volume=30))
    bass_i = p.add(held_pluck("fretless", bpm, harmonics("triangle", 16), [2 + n for n in range(16)],
                              seconds=0.2, ring=0.6, release=0.06, volume=60))
    ep = p.add(held_pluck("electric piano", bpm, [1, 0.3, 0.5, 0.1, 0.2, 0, 0.1], [2, 3, 6, 8, 10, 12, 14],
                          seconds=0.25, ring=1.2, release=0.2, volume=44))
    horn = p.add(osc("horn", synth.ensemble("saw", voices=2, cycles=64, brightness=0.45, seed=104, harmonics=24),
                     128, bpm, attack=0.03, decay=0.2, sustain=0.8, release=0.1, volume=44))
    guitar = p.add(osc("drive guitar", synth.fm_cycle(3, 1.8, 128, feedback=0.6), 128, bpm, attack=0.01,
                       decay=0.4, sustain=0.7, release=0.15, volume=40, vibrato=(0, 20, 3, 8)))
    crash = p.add(drum("crash", synth.cymbal(1.0, 0.4, seed=105), volume=32))

    head_tune = Theme(seed=1007, style="riff", center=70, low=63, high=82)
    solo_tune = Theme(seed=1013, style="busy", center=74, low=65, high=86)
    rng = random.Random(1019)
    for i, s in enumerate(p.sections):
        drums(p.score, s, [(KICK, kick, 60, "X.....x...x.....") if s.name != "intro" else (KICK, kick, 60, "x......."),
                           (SNARE, snare, 60, "....X..g.g..X.g.") if s.name != "intro" else (SNARE, snare, 60, "................"),
                           (RIDE, ride, 60, "x...x.o.x...x.o."), (HAT, hat, 60, "....o.......o...")],
              fill=[(SNARE, snare, 60, "x.xgx.xgXxXxXrrr")], crash=(CRASH, crash, 60, 36) if s.name != "intro" else None)
        if s.name in ("solo", "bridge"):
            walking_bass(p.score, s, BASS, bass_i, octave=36, vol=50, rng=rng)
        else:
            bass(p.score, s, BASS, bass_i, "R..R..F.R.O..SN.", octave=36, gate=2, vol=50)
        stabs(p.score, s, (EP1, EP2, EP3), ep, "x.....x...x..." + ".." if s.name != "bridge" else "x.......x.......",
              center=62, vol=34, gate=None)
        if s.name.startswith("head"):
            realise(p.score, s, HEAD, horn, head_tune, variation=0 if s.name == "head" else 2, vol=42, vibrato=0)
            realise(p.score, s, HEAD2, horn, head_tune, variation=0 if s.name == "head" else 2, vol=26,
                    transpose=-4, vibrato=0)
        if s.name in ("solo", "tag"):
            realise(p.score, s, SOLO, guitar, solo_tune, variation=i, vol=40)
        if s.name == "bridge":
            realise(p.score, s, SOLO, guitar, head_tune, variation=5, vol=38, transpose=5)
        swing(p.score, s, (RIDE, HAT))
    return p
