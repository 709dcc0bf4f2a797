"""Last Crusader: epic orchestral. Strings and choir in D minor, brass
fanfare theme, timpani and war drums, a hushed bridge and a broad return."""
import synth
from kit import drum, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part
from piece import Piece

FILE = "lcrusade.zav"
TIMP, DRUM, CYM, LOW, STR1, STR2, STR3, BRASS, BRASS2, OSTINATO, CHOIR1, CHOIR2 = range(12)


def compose():
    p = Piece("Last Crusader", FILE, "D", "minor", 88, "3:05", channels=12)
    march = ["i", "bVI", "bIII", "bVII", "i", "bVI", "iv", "V"]
    glory = ["bVI", "bVII", "i", "i", "bVI", "bVII", "V", "V"]
    p.section("intro", 8, ["i", "i", "bVI", "V"])
    p.section("march", 16, march)
    p.section("glory", 12, glory + ["iv", "V", "i", "i"])
    p.section("bridge", 8, ["bVI", "bIII", "iv", "V"])
    p.section("march2", 16, march)
    p.section("coda", 8, ["bVI", "bVII", "i", "i"], flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    timp = p.add(drum("timpani", synth.timpani(73.4, 0.8, seed=51)))
    war = p.add(drum("war drum", synth.tom(120, 60, 0.5), volume=50))
    cym = p.add(drum("cymbal", synth.cymbal(1.4, 0.6, seed=52), volume=34))
    strings = p.add(pad("strings", "saw", bpm, cycles=128, brightness=0.35, attack=0.35, release=0.6,
                        volume=48, voices=5, seed=53))
    brass = p.add(osc("brass", synth.ensemble("saw", voices=2, cycles=64, brightness=0.45, seed=54, harmonics=24),
                      128, bpm, attack=0.06, decay=0.3, sustain=0.85, release=0.3, volume=50,
                      vibrato=(0, 30, 2, 5)))
    choir = p.add(pad("choir", "triangle", bpm, cycles=96, brightness=0.9, attack=0.8, release=1.2, volume=42,
                      seed=55))
    low = p.add(osc("low strings", synth.ensemble("saw", voices=2, cycles=64, brightness=0.3, seed=56,
                                                   harmonics=20), 128, bpm, attack=0.05, decay=0.2, sustain=0.8,
                    release=0.3, volume=54))
    harp = p.add(pluck("harp", bpm, [1, 0.4, 0.2, 0.1, 0.05], [2, 4, 6, 9, 12], seconds=0.3, ring=0.8,
                       volume=40))

    fanfare = Theme(seed=417, style="broad", center=69, low=62, high=81)
    for i, s in enumerate(p.sections):
        loud = s.name in ("march", "glory", "march2", "coda")
        pad_part(p.score, s, (STR1, STR2, STR3), strings, center=60, vol=38 if loud else 30)
        if s.name == "intro":
            drums(p.score, s, [(TIMP, timp, 60, "X...............x.......o.o.x.x.")])
            arpeggio(p.score, s, OSTINATO, harp, "0120" "3210", center=62, vol=30, rate=2)
        if loud:
            bass(p.score, s, LOW, low, "R...R.R.R...F...", octave=38, gate=3, vol=44)
            drums(p.score, s, [(TIMP, timp, 60, "X.......x...o.o."), (DRUM, war, 60, "x..x..x.x..x.x..")],
                  fill=[(TIMP, timp, 60, "x.x.x.x.XrXrXXXX")], crash=(CYM, cym, 60, 44))
            arpeggio(p.score, s, OSTINATO, harp, "0102" "3132", center=62, vol=24, rate=2)
        if s.name in ("march", "march2", "coda"):
            realise(p.score, s, BRASS, brass, fanfare, variation=0 if s.name == "march" else i, vol=46)
            realise(p.score, s, BRASS2, brass, fanfare, variation=0 if s.name == "march" else i, vol=28,
                    transpose=-12)
        if s.name in ("glory", "bridge", "march2"):
            pad_part(p.score, s, (CHOIR1, CHOIR2), choir, center=72, vol=34)
        if s.name == "glory":
            realise(p.score, s, BRASS, brass, Theme(seed=421, style="lyrical", center=74, low=65, high=84),
                    vol=44)
        if s.name == "bridge":
            bass(p.score, s, LOW, low, "R" + " " * 15, octave=38, vol=34)
            arpeggio(p.score, s, OSTINATO, harp, "0123" "4543", center=64, vol=30, rate=2)
            drums(p.score, s, [(TIMP, timp, 60, "o" + "." * 15)], fill=[(TIMP, timp, 60, "x.x.x.x.xxxxrrrr")])
    return p
