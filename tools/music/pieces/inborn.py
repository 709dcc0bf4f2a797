"""Inborn: techno. A hard four-to-the-floor, a hypnotic one-bar sequence that
shifts its accent, industrial hats and a dark stab chord that opens slowly."""
import synth
from kit import drum, harmonics, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, stabs, swell
from piece import Piece

FILE = "inborn.zav"
KICK, CLAP, HAT, OHAT, RIDE, BASS, SEQ, SEQ_ECHO, STAB1, STAB2, LEAD, FX = range(12)


def compose():
    p = Piece("Inborn", FILE, "G", "minor", 132, "3:00", channels=12)
    loop = ["i", "i", "i", "bVII"]
    dark = ["i", "bVI", "iv", "bVII"]
    p.section("intro", 16, loop)
    p.section("drive", 16, loop)
    p.section("peak", 16, dark)
    p.section("break", 8, ["bVI", "iv", "bVI", "bVII"])
    p.section("drive2", 16, loop)
    p.section("peak2", 16, dark)
    p.section("outro", 12, loop, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(120, 42, 0.04, 0.42, click=0.45, drive=2.5), bits=16))
    clap = p.add(drum("clap", synth.clap(0.3, seed=91), volume=42))
    hat = p.add(drum("hat", synth.hat(0.04, 0.01, seed=92, metal=0.6), volume=34))
    ohat = p.add(drum("open hat", synth.hat(0.2, 0.06, seed=93, metal=0.6), volume=36))
    ride = p.add(drum("ride", synth.cymbal(0.6, 0.2, seed=94), volume=24))
    bass_i = p.add(osc("rumble", synth.waveform("saw", 256, brightness=0.1), 256, bpm, decay=0.1, sustain=0.5,
                       release=0.05, volume=56))
    seq = p.add(pluck("sequence", bpm, harmonics("saw", 40, 0.6), [10 + 2 * n for n in range(40)],
                      seconds=0.1, ring=0.15, volume=44))
    stab = p.add(pluck("dub stab", bpm, harmonics("square", 30, 0.3), [3 + n for n in range(30)], seconds=0.3,
                       ring=0.6, volume=40))
    lead = p.add(pad("drone lead", "square", bpm, cycles=64, brightness=0.5, attack=0.4, release=0.8,
                     volume=42, seed=95))
    riser = p.add(drum("riser", synth.noise_sweep(1.5, seed=96), volume=38))

    line = Theme(seed=909, style="broad", center=67, low=60, high=75)
    for i, s in enumerate(p.sections):
        if s.name != "break":
            drums(p.score, s, [(KICK, kick, 60, "X...X...X...X...")])
            bass(p.score, s, BASS, bass_i, "..R...R.r.R...R." if s.name != "intro" else "..R...R...R...R.",
                 octave=31, gate=2, vol=50)
        else:
            swell(p.score, s, FX, riser, 48, vol_from=12)
        drums(p.score, s, [(HAT, hat, 60, "..x...x...x...x." if s.name == "intro" else "x.x.xox.x.xoxxx."),
                           (OHAT, ohat, 60, "..o...o...o...o." if s.name != "intro" else "................")])
        if s.name not in ("intro",):
            drums(p.score, s, [(CLAP, clap, 60, "....x.......x...")], fill=[(CLAP, clap, 60, "....x.......xrrr")])
            drums(p.score, s, [(RIDE, ride, 60, "..o...o...o...o.")])
        seq_order = "0.12.03.1.20.3.1" if i % 2 else "0.02.10.3.02.1.3"
        arpeggio(p.score, s, SEQ, seq, seq_order, center=58 + (i % 3) * 2, vol=34, rate=1, gate=1)
        arpeggio(p.score, s, SEQ_ECHO, seq, "..." + seq_order[:13], center=58, vol=14, rate=1, gate=1)
        if s.name in ("peak", "break", "peak2", "drive2"):
            stabs(p.score, s, (STAB1, STAB2), stab, "x.....x.....x..." if s.name != "break" else "x.......x.......",
                  center=60, vol=32, gate=4)
        if s.name in ("peak", "break", "peak2"):
            realise(p.score, s, LEAD, lead, line, variation=0 if s.name == "peak" else i, vol=36, vibrato=0)
    return p
