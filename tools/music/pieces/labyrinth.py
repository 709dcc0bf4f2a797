"""Labyrinth: progressive house. A winding arpeggio that turns through the
chords like corridors, offbeat bass, plucked stabs, and a long build."""
import synth
from kit import drum, harmonics, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part, stabs, swell
from piece import Piece

FILE = "labyrint.zav"
KICK, CLAP, HAT, OHAT, BASS, ARP, ARP_ECHO, STAB1, STAB2, STAB3, LEAD, FX = range(12)


def compose():
    p = Piece("Labyrinth", FILE, "A", "minor", 124, "3:30", channels=12)
    walk = ["i", "bVI", "bIII", "bVII"]
    turn = ["iv7", "bVI", "i", "v7"]
    p.section("intro", 16, walk)
    p.section("groove", 16, walk)
    p.section("theme", 16, walk)
    p.section("break", 12, turn)
    p.section("build", 8, ["iv7", "bVI", "bVII", "bVII"])
    p.section("theme2", 16, walk)
    p.section("groove2", 16, turn)
    p.section("outro", 8, walk, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(130, 44, 0.05, 0.4, click=0.25, drive=1.5), bits=16))
    clap = p.add(drum("clap", synth.clap(0.35, seed=41), volume=48))
    hat = p.add(drum("hat", synth.hat(0.05, 0.015, seed=42, metal=0.2), volume=34))
    ohat = p.add(drum("open hat", synth.hat(0.3, 0.1, seed=43), volume=38))
    sub = p.add(osc("bass", synth.waveform("saw", 256, brightness=0.15), 256, bpm, decay=0.15, sustain=0.6,
                    release=0.05, volume=60))
    pl = p.add(pluck("pluck", bpm, harmonics("saw", 40, 0.9), [6 + 2.5 * n for n in range(40)], seconds=0.15,
                     ring=0.3, volume=44))
    stab = p.add(pluck("chord stab", bpm, harmonics("square", 30, 0.4), [5 + 2 * n for n in range(30)],
                       seconds=0.12, ring=0.25, volume=40))
    lead = p.add(osc("lead", synth.ensemble("saw", voices=3, cycles=64, brightness=0.5, seed=44, harmonics=28),
                     128, bpm, attack=0.03, decay=0.4, sustain=0.75, release=0.4, volume=44,
                     vibrato=(0, 20, 2, 6)))
    pad_i = p.add(pad("pad", "saw", bpm, brightness=0.25, attack=1.0, release=1.5, volume=42, seed=45))
    riser = p.add(drum("riser", synth.noise_sweep(1.5, seed=46), volume=40))
    crash = p.add(drum("crash", synth.cymbal(1.0, 0.35, seed=47), volume=36))

    theme = Theme(seed=305, style="flowing", center=72, low=64, high=84)
    for i, s in enumerate(p.sections):
        if s.name != "break":
            drums(p.score, s, [(KICK, kick, 60, "X...x...X...x...")],
                  crash=(FX, crash, 60, 40) if s.name in ("groove", "theme", "theme2") else None)
            bass(p.score, s, BASS, sub, "..R...R...R...RO" if s.name != "intro" else "..R...R...R...R.", octave=33,
                 gate=2, vol=52)
        drums(p.score, s, [(HAT, hat, 60, "x.o.x.o.x.o.x.ox" if s.name != "intro" else "o.g.o.g.o.g.o.g."),
                           (OHAT, ohat, 60, "..x...x...x...x." if s.name not in ("intro", "break") else "................")])
        if s.name not in ("intro", "break", "build"):
            drums(p.score, s, [(CLAP, clap, 60, "....x.......x...")], fill=[(CLAP, clap, 60, "....x.......x.xo")])
        if s.name == "build":
            drums(p.score, s, [(CLAP, clap, 60, "....o.......o...")],
                  fill=[(CLAP, clap, 60, "x.x.x.x.x.x.x.x.xxxxxxxxXXXXrrrr")], fill_bars=2)
            swell(p.score, s, FX, riser, 48, vol_from=16)
        arpeggio(p.score, s, ARP, pl, "0123" "4321" "0241" "3524", center=66, vol=32 if s.name != "intro" else 24,
                 rate=1 if s.name in ("theme", "theme2", "build") else 2)
        arpeggio(p.score, s, ARP_ECHO, pl, "...0123" "4321" "0241" "3524" "0", center=66, vol=14, rate=1)
        if s.name in ("groove", "theme", "groove2", "outro", "theme2"):
            stabs(p.score, s, (STAB1, STAB2, STAB3), stab, "..x..x....x..x.." , center=62, vol=36, gate=2)
        if s.name in ("break", "build"):
            pad_part(p.score, s, (STAB1, STAB2, STAB3), pad_i, center=62, vol=38)
        if s.name in ("theme", "break", "theme2"):
            realise(p.score, s, LEAD, lead, theme, variation=0 if s.name == "theme" else i, vol=42)
    return p
