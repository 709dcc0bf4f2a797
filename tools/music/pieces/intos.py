"""Intos: chiptune. Square and pulse leads with tracker arpeggios for the chords,
a triangle bass, noise drums, and a tune that comes back with echo."""
import synth
from kit import drum, osc
from melody import Theme, realise
from parts import bass, chip_chords, drums
from piece import Piece

FILE = "intots.zav"
KICK, SNARE, HAT, BASS, CHORD, LEAD, ECHO, HARM = range(8)


def compose():
    p = Piece("Intos", FILE, "G", "major", 140, "2:24", channels=8)
    verse = ["I", "vi", "IV", "V"]
    chorus = ["IV", "V", "iii", "vi", "ii", "V", "I", "I"]
    p.section("intro", 4, ["I", "IV", "I", "V"])
    p.section("verse", 16, verse)
    p.section("chorus", 16, chorus)
    p.section("bridge", 8, ["vi", "iii", "IV", "V"])
    p.section("verse2", 16, verse)
    p.section("chorus2", 16, chorus)
    p.section("outro", 8, ["I", "IV", "I", "V"], flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("chip kick", synth.kick(200, 60, 0.02, 0.15, click=0.0, drive=3.0)))
    snare = p.add(drum("chip snare", synth.snare(220, 0.15, 0.05, tone_mix=0.4, seed=31, bright=0.9)))
    hat = p.add(drum("chip hat", synth.hat(0.04, 0.012, seed=32, metal=0.0), volume=34))
    tri = p.add(osc("triangle bass", synth.raw_chip("triangle", 64), 64, bpm, decay=0.1, sustain=0.8,
                    release=0.02, bits=8))
    sq = p.add(osc("square lead", synth.raw_chip("square", 32), 32, bpm, decay=0.15, sustain=0.6,
                   release=0.05, bits=8, volume=40, vibrato=(0, 12, 2, 5)))
    pulse = p.add(osc("pulse chords", synth.raw_chip("square", 64, 0.25), 64, bpm, decay=0.05, sustain=0.7,
                      release=0.03, bits=8, volume=36))

    theme = Theme(seed=203, style="busy", center=76, low=67, high=88)
    hook = Theme(seed=211, style="flowing", center=79, low=69, high=91)
    for i, s in enumerate(p.sections):
        beat = "X.....x.X.......", "....X.......X..."
        if s.name != "intro":
            fill = [(SNARE, snare, 60, "....x.......xxxx"), (KICK, kick, 60, "X.......X.X.X...")]
            drums(p.score, s, [(KICK, kick, 60, beat[0]), (SNARE, snare, 60, beat[1]),
                               (HAT, hat, 60, "x.o.x.o.x.o.x.oo")], fill=fill)
        bass(p.score, s, BASS, tri, "R.R.O.R.R.O.RrO." if s.name.startswith("chorus") else "R..RR.F.R..RO.F.",
             octave=36, gate=None, vol=54)
        chip_chords(p.score, s, CHORD, pulse, "x-.xx-.x" if s.name != "bridge" else "x-------", center=64,
                    vol=34)
        if s.name.startswith("verse") or s.name == "outro":
            realise(p.score, s, LEAD, sq, theme, variation=i // 3, vol=42, echo=(ECHO, 3, 0.35, 0xB0))
        if s.name.startswith("chorus"):
            realise(p.score, s, LEAD, sq, hook, variation=i // 3, vol=44, echo=(ECHO, 3, 0.35, 0xB0))
            realise(p.score, s, HARM, pulse, hook, variation=i // 3, vol=24, transpose=-12)
        if s.name == "bridge":
            realise(p.score, s, HARM, sq, theme, variation=3, vol=36, transpose=-5)
        if s.name == "intro":
            drums(p.score, s, [(HAT, hat, 60, "x.x.x.x.x.x.xxxx")])
    return p
