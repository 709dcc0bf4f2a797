"""Clouds: ambient. Slow lydian pads, a sustained sub, glass bells drifting in
echo and a breathy tune that returns an octave higher."""
import synth
from kit import drum, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part
from piece import Piece

FILE = "clouds.zav"
PAD1, PAD2, PAD3, SUB, BELL, BELL_ECHO, LEAD, LEAD_ECHO, SHAKER = range(9)


def compose():
    p = Piece("Clouds", FILE, "D", "major", 70, "3:12", channels=9)
    float_ = ["Imaj7", "II", "Imaj7", "II"]
    drift = ["Imaj7", "II", "vi7", "IVmaj7"]
    p.section("intro", 8, float_)
    p.section("theme", 16, drift)
    p.section("rise", 8, ["IVmaj7", "V", "iii7", "vi7"])
    p.section("bridge", 8, ["vi7", "IVmaj7", "II", "IVmaj7"])
    p.section("theme2", 16, drift, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    warm = p.add(pad("warm pad", "saw", bpm, brightness=0.2, attack=2.5, release=3.0, volume=50, seed=21))
    air = p.add(pad("air pad", "triangle", bpm, cycles=96, brightness=0.6, attack=3.0, release=3.0,
                    volume=44, seed=22))
    sub = p.add(osc("sub", synth.waveform("sine", 256), 256, bpm, attack=0.8, decay=0.5, sustain=0.9,
                    release=2.0, volume=50))
    bell = p.add(pluck("glass bell", bpm, [1, 0, 0.35, 0, 0.2, 0, 0, 0.12], [1.5, 0, 3, 0, 5, 0, 0, 8],
                       seconds=0.4, ring=1.2, volume=40))
    flute = p.add(osc("breath", synth.waveform("triangle", 128, harmonics=12), 128, bpm, attack=0.25,
                      decay=0.4, sustain=0.8, release=0.9, volume=44, vibrato=(0, 40, 3, 6)))
    shaker = p.add(drum("shaker", synth.hat(0.12, 0.04, seed=23, metal=0), volume=22))

    theme = Theme(seed=102, style="broad", center=74, low=66, high=86)
    for i, s in enumerate(p.sections):
        pad_part(p.score, s, (PAD1, PAD2, PAD3), warm if s.name != "bridge" else air, center=62,
                 vol=40 if s.name != "intro" else 34)
        bass(p.score, s, SUB, sub, "R" + " " * 15, octave=38, vol=44)
        arpeggio(p.score, s, BELL, bell, "0.2.4..3.1..5...", center=78, vol=30, rate=2)
        arpeggio(p.score, s, BELL_ECHO, bell, "..0.2.4..3.1..5.", center=78, vol=14, rate=2)
        if s.name in ("theme", "theme2", "rise"):
            realise(p.score, s, LEAD, flute, theme, variation=0 if s.name == "theme" else i, vol=40,
                    echo=(LEAD_ECHO, 6, 0.4, 0xC0), vibrato=0)
        if s.name in ("rise", "theme2"):
            drums(p.score, s, [(SHAKER, shaker, 60, "..o...g...o.g.g.")])
    return p
