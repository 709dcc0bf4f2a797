"""DFactory: industrial. Machine rhythm of struck metal and distorted kicks, a
grinding bass ostinato, hiss and steam, a slow menacing lead and a halt."""
import synth
from kit import drum, osc, pad
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part, swell
from piece import Piece

FILE = "dfactory.zav"
KICK, SNARE, METAL, HISS, ANVIL, BASS, GRIND, LEAD, ECHO, PAD1, PAD2, FX = range(12)


def compose():
    p = Piece("DFactory", FILE, "F", "phrygian", 118, "2:36", channels=12)
    press = ["i", "i", "bII", "i"]
    furnace = ["i", "bVI", "bII", "bVII"]
    p.section("intro", 8, press)
    p.section("press", 16, press)
    p.section("furnace", 16, furnace)
    p.section("halt", 8, ["bVI", "bII", "bVI", "bVII"])
    p.section("press2", 16, press)
    p.section("furnace2", 12, furnace, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(100, 38, 0.05, 0.35, click=0.6, drive=4.0), bits=16))
    snare = p.add(drum("snare", synth.snare(160, 0.3, 0.12, tone_mix=0.3, seed=121, bright=0.4), volume=56))
    metal = p.add(drum("metal", synth.metal_hit(180, 0.4, seed=122), volume=40))
    hiss = p.add(drum("steam", synth.hat(0.25, 0.09, seed=123, metal=0.0), volume=28))
    anvil = p.add(drum("anvil", synth.metal_hit(420, 0.5, seed=124), volume=34))
    grind = p.add(osc("grind bass", synth.fm_cycle(2, 3.0, 256, feedback=1.2), 256, bpm, decay=0.1, sustain=0.6,
                      release=0.04, volume=52))
    buzz = p.add(osc("buzz", synth.pulse(0.12, 128), 128, bpm, decay=0.08, sustain=0.3, release=0.03, volume=34))
    lead = p.add(osc("siren", synth.fm_cycle(1, 1.2, 128), 128, bpm, attack=0.1, decay=0.3, sustain=0.8,
                     release=0.5, volume=40, vibrato=(0, 40, 4, 5)))
    drone = p.add(pad("drone", "saw", bpm, cycles=64, brightness=0.25, attack=1.0, release=1.5, volume=40, seed=125))
    riser = p.add(drum("riser", synth.noise_sweep(1.5, seed=126), volume=36))

    tune = Theme(seed=1201, style="broad", center=65, low=58, high=75)
    for i, s in enumerate(p.sections):
        if s.name != "halt":
            drums(p.score, s, [(KICK, kick, 60, "X..x..X...X..x.." if s.name != "intro" else "X.......X......."),
                               (METAL, metal, 60, "..x...x...x.x.x." if s.name != "intro" else "..o.......o....."),
                               (HISS, hiss, 60, "....x.......x..." if s.name != "intro" else "......o.......o.")])
            bass(p.score, s, BASS, grind, "RR.RR.RR.RRfR.O." if s.name != "intro" else "R.......R.......",
                 octave=29, gate=1, vol=50)
        else:
            drums(p.score, s, [(ANVIL, anvil, 60, "x" + "." * 15)])
            pad_part(p.score, s, (PAD1, PAD2), drone, center=58, vol=40)
            realise(p.score, s, LEAD, lead, tune, variation=3, vol=36, echo=(ECHO, 6, 0.4, 0xC0))
            swell(p.score, s, FX, riser, 48, vol_from=10)
        if s.name not in ("intro", "halt"):
            drums(p.score, s, [(SNARE, snare, 60, "....X.......X...")],
                  fill=[(SNARE, snare, 60, "....X.......XrXr")])
            drums(p.score, s, [(ANVIL, anvil, 60, "x..............." "........x.......")])
            arpeggio(p.score, s, GRIND, buzz, "0.0.1.0.2.0.1.0.", center=53, vol=30, rate=1, gate=1)
        if s.name.startswith("furnace"):
            realise(p.score, s, LEAD, lead, tune, variation=0 if s.name == "furnace" else 2, vol=40,
                    echo=(ECHO, 3, 0.35, 0x40))
            pad_part(p.score, s, (PAD1, PAD2), drone, center=58, vol=30)
        if s.name == "intro":
            pad_part(p.score, s, (PAD1, PAD2), drone, center=58, vol=36)
    return p
