"""Psycho: psychedelic trance, fast and driving. Rolling bass between the kicks,
an acid riff, a phrygian lead with dotted echo, a breakdown and a snare-roll build."""
import synth
from kit import drum, harmonics, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part, swell
from piece import Piece

FILE = "psycho.zav"
KICK, BASS, HAT, OHAT, CLAP, LEAD, ECHO, ARP, PAD1, PAD2, PAD3, FX = range(12)


def compose():
    p = Piece("Psycho", FILE, "F#", "phrygian", 145, "2:40", channels=12)
    drone = ["i", "i", "i", "bII"]
    turn = ["i", "bVII", "bVI", "bII"]
    p.section("intro", 8, drone)
    p.section("riff", 16, drone)
    p.section("theme", 16, turn)
    p.section("breakdown", 8, ["bVI", "bVII", "i", "i"])
    p.section("build", 8, drone)
    p.section("riff2", 16, turn)
    p.section("theme2", 16, drone)
    p.section("outro", 8, drone, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(150, 48, 0.03, 0.32, click=0.5, drive=2.0), bits=16))
    rolling = p.add(osc("rolling bass", synth.waveform("saw", 256, brightness=0.5), 256, bpm,
                        decay=0.08, sustain=0.35, release=0.03))
    hat = p.add(drum("closed hat", synth.hat(0.06, 0.018, seed=11), volume=40))
    ohat = p.add(drum("open hat", synth.hat(0.25, 0.09, seed=12), volume=44))
    clap = p.add(drum("clap", synth.clap(seed=13), volume=50))
    acid = p.add(osc("acid", synth.pulse(0.3, 128), 128, bpm, decay=0.12, sustain=0.3, release=0.05,
                     volume=50))
    lead = p.add(osc("lead", synth.ensemble("saw", voices=3, cycles=64, brightness=0.7, seed=3,
                                            harmonics=30), 128, bpm,
                     attack=0.01, decay=0.3, sustain=0.8, release=0.25, volume=48))
    pluck_i = p.add(pluck("pluck", bpm, harmonics("square", 30, 0.8), [4 + 3 * n for n in range(30)],
                          seconds=0.1, ring=0.2, volume=46))
    pad_i = p.add(pad("pad", "saw", bpm, brightness=0.3, attack=1.2, release=1.5, volume=44, seed=4))
    riser = p.add(drum("riser", synth.noise_sweep(1.5, seed=14), volume=44))
    crash = p.add(drum("crash", synth.cymbal(1.0, 0.35, seed=15), volume=40))

    four = "X...x...X...x..."
    theme = Theme(seed=501, style="riff", center=66, low=58, high=80)
    acid_theme = Theme(seed=507, style="busy", center=54, low=49, high=66)
    for i, s in enumerate(p.sections):
        full = s.name not in ("intro", "breakdown")
        if s.name != "breakdown":
            drums(p.score, s, [(KICK, kick, 60, four if s.name != "build" else "X...X...X...X...")])
            bass(p.score, s, BASS, rolling, ".RRR.RRR.RRR.RrR" if i % 2 else ".RRR.RRR.RRR.ROR",
                 octave=40, gate=1, vol=50)
        drums(p.score, s, [(HAT, hat, 60, "..x...x...x...xo" if full else "..o...o...o...o."),
                           (OHAT, ohat, 60, "..x...x...x...x." if full else "................")],
              crash=(FX, crash, 60, 44) if s.name in ("riff", "theme", "riff2", "theme2") else None)
        if full and s.name != "build":
            drums(p.score, s, [(CLAP, clap, 60, "....x.......x...")],
                  fill=[(CLAP, clap, 60, "....x.......x.xx....x...x.xxrrrr")], fill_bars=2)
        if s.name == "build":
            drums(p.score, s, [(CLAP, clap, 60, "....o.......o...")],
                  fill=[(CLAP, clap, 60, "o.o.o.o.x.x.x.x.xxxxxxxxXXXXrrrr")], fill_bars=2)
            swell(p.score, s, FX, riser, 48, vol_from=20, slide=0x01)
        if s.name in ("riff", "riff2", "build"):
            realise(p.score, s, ARP, acid, acid_theme, variation=i, vol=44)
        if s.name in ("theme", "theme2", "breakdown"):
            realise(p.score, s, LEAD, lead, theme, variation=0 if s.name == "theme" else 2, vol=46,
                    echo=(ECHO, 3, 0.45, 0x30))
        if s.name in ("breakdown", "theme2", "intro"):
            pad_part(p.score, s, (PAD1, PAD2, PAD3), pad_i, center=60, vol=36 if s.name != "intro" else 26)
        if s.name in ("theme", "riff2", "outro"):
            arpeggio(p.score, s, ARP if s.name != "riff2" else ECHO, pluck_i, "0120" "2101", center=70,
                     vol=30, rate=2)
    return p
