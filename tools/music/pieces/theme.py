"""Korvath Theme: the disk's signature tune. A bold fanfare motif stated,
answered, lifted in a middle part and crowned, over a steady march beat."""
import synth
from kit import drum, osc, pad, pluck
from melody import line, Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part
from piece import Piece

FILE = "theme.zav"
KICK, SNARE, HAT, BASS, PAD1, PAD2, PAD3, LEAD, ECHO, BELL, CYM = range(11)

# The signature: bar, step, length, semitones from the tonic.
MOTIF = [(0, 0, 4, 0), (0, 4, 2, 7), (0, 6, 2, 5), (0, 8, 6, 4), (0, 14, 2, 2),
         (1, 0, 4, 4), (1, 4, 4, 7), (1, 8, 8, 12),
         (2, 0, 4, 9), (2, 4, 2, 7), (2, 6, 2, 5), (2, 8, 6, 4), (2, 14, 2, 5),
         (3, 0, 4, 4), (3, 4, 4, 2), (3, 8, 8, 0)]


def compose():
    p = Piece("Korvath Theme", FILE, "F", "major", 96, "1:20", channels=11)
    p.section("intro", 4, ["I", "IV", "vi", "V"])
    p.section("statement", 8, ["I", "iii", "IV", "I", "IV", "V", "IV", "I"])
    p.section("middle", 8, ["vi", "iii", "IV", "I", "ii", "V", "IV", "V"])
    p.section("crown", 8, ["I", "iii", "IV", "I", "IV", "V", "IV", "I"])
    p.section("tag", 4, ["IV", "V", "I", "I"], flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(150, 50, 0.035, 0.3, click=0.3, drive=1.5), bits=16))
    snare = p.add(drum("snare", synth.snare(210, 0.25, 0.09, tone_mix=0.5, seed=131, bright=0.6), volume=50))
    hat = p.add(drum("hat", synth.hat(0.06, 0.02, seed=132, metal=0.3), volume=30))
    bass_i = p.add(osc("bass", synth.waveform("saw", 256, brightness=0.25), 256, bpm, decay=0.2, sustain=0.7,
                       release=0.08, volume=56))
    strings = p.add(pad("strings", "saw", bpm, brightness=0.3, attack=0.4, release=0.8, volume=44, seed=133))
    lead = p.add(osc("fanfare", synth.ensemble("saw", voices=3, cycles=64, brightness=0.6, seed=134, harmonics=28),
                     128, bpm, attack=0.02, decay=0.3, sustain=0.8, release=0.3, volume=48, vibrato=(0, 30, 2, 6)))
    bell = p.add(pluck("bell", bpm, [1, 0, 0.4, 0, 0.25, 0, 0.1], [2, 0, 4, 0, 7, 0, 10], seconds=0.25, ring=0.6,
                       volume=36))
    cym = p.add(drum("crash", synth.cymbal(1.0, 0.4, seed=135), volume=32))

    middle = Theme(seed=1301, style="lyrical", center=72, low=65, high=81)
    for i, s in enumerate(p.sections):
        pad_part(p.score, s, (PAD1, PAD2, PAD3), strings, center=62, vol=34 if s.name != "intro" else 28)
        arpeggio(p.score, s, BELL, bell, "0123" "2101", center=76, vol=24, rate=2)
        if s.name == "intro":
            drums(p.score, s, [(SNARE, snare, 60, "o.o.o.o.o.o.o.o."), (KICK, kick, 60, "x.......")],
                  fill=[(SNARE, snare, 60, "x.x.x.x.xxxxXrrr")])
            bass(p.score, s, BASS, bass_i, "R.......R.......", octave=36, gate=6, vol=44)
            continue
        drums(p.score, s, [(KICK, kick, 60, "X.......X.x....."), (SNARE, snare, 60, "....X.......X..o"),
                           (HAT, hat, 60, "x.o.x.o.x.o.x.o.")],
              fill=[(SNARE, snare, 60, "....X...x.x.xrrr")], crash=(CYM, cym, 60, 40))
        bass(p.score, s, BASS, bass_i, "R..R..R.F..F..O.", octave=36, gate=2, vol=48)
        if s.name in ("statement", "crown"):
            crown = 12 if s.name == "crown" else 0
            line(p.score, s, LEAD, lead, MOTIF + [(b + 4, st, ln, off) for b, st, ln, off in MOTIF[:13]]
                 + [(7, 0, 4, 4), (7, 4, 4, 2), (7, 8, 8, 0)], vol=46, echo=(ECHO, 3, 0.35, 0x40), transpose=crown)
        if s.name == "middle":
            realise(p.score, s, LEAD, lead, middle, vol=42, echo=(ECHO, 3, 0.35, 0x40))
        if s.name == "tag":
            line(p.score, s, LEAD, lead, [(0, 0, 4, 5), (0, 4, 4, 9), (0, 8, 8, 12), (1, 0, 8, 11), (1, 8, 8, 7),
                                          (2, 0, 24, 12)], vol=46, echo=(ECHO, 3, 0.35, 0x40))
    return p
