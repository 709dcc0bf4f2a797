"""Turrican: action chip. Fast sixteenth bass, arpeggio chords, a heroic pulse
lead with echo, a second theme, a halftime breakdown and a last charge."""
import synth
from kit import drum, osc
from melody import Theme, realise
from parts import arpeggio, bass, chip_chords, drums
from piece import Piece

FILE = "turric2.zav"
KICK, SNARE, HAT, BASS, CHORD, LEAD, ECHO, ARP, TOM, NOISE = range(10)


def compose():
    p = Piece("Turrican", FILE, "C", "minor", 150, "3:45", channels=10)
    run = ["i", "bVI", "bVII", "i", "i", "bVI", "iv", "V"]
    hero = ["bVI", "bVII", "bIII", "bVI", "iv", "bVII", "V", "V"]
    climb = ["iv", "V", "i", "bVII", "bVI", "bVII", "V", "V"]
    p.section("intro", 4, ["i", "i", "bVI", "V"])
    p.section("run", 16, run)
    p.section("hero", 16, hero)
    p.section("climb", 16, climb)
    p.section("bridge", 8, ["bVI", "bIII", "iv", "V"])
    p.section("run2", 16, run)
    p.section("hero2", 16, hero)
    p.section("climb2", 16, climb)
    p.section("breakdown", 8, ["i", "bVI", "bVII", "V"])
    p.section("run3", 16, run)
    p.section("outro", 8, ["i", "bVI", "bVII", "i"], flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(220, 55, 0.02, 0.18, click=0.2, drive=2.5)))
    snare = p.add(drum("snare", synth.snare(250, 0.18, 0.06, tone_mix=0.45, seed=111, bright=0.85), volume=54))
    hat = p.add(drum("hat", synth.hat(0.035, 0.01, seed=112, metal=0), volume=28))
    tom = p.add(drum("tom", synth.tom(300, 120, 0.25), volume=50))
    saw_bass = p.add(osc("bass", synth.raw_chip("saw", 64), 64, bpm, decay=0.08, sustain=0.6, release=0.02, bits=8,
                         volume=50))
    chords = p.add(osc("chords", synth.raw_chip("square", 64, 0.125), 64, bpm, decay=0.1, sustain=0.6,
                       release=0.03, bits=8, volume=32))
    lead = p.add(osc("hero lead", synth.raw_chip("square", 64, 0.33), 64, bpm, attack=0.005, decay=0.2,
                     sustain=0.75, release=0.08, bits=8, volume=42, vibrato=(0, 18, 3, 6)))
    arp = p.add(osc("arp", synth.raw_chip("triangle", 32), 32, bpm, decay=0.06, sustain=0.4, release=0.02,
                    bits=8, volume=40))
    crash = p.add(drum("noise crash", synth.cymbal(0.8, 0.3, seed=113), volume=30))

    run_tune = Theme(seed=1103, style="busy", center=72, low=64, high=84)
    hero_tune = Theme(seed=1117, style="flowing", center=75, low=67, high=87)
    climb_tune = Theme(seed=1129, style="riff", center=70, low=62, high=82)
    tunes = {"run": run_tune, "hero": hero_tune, "climb": climb_tune}
    for i, s in enumerate(p.sections):
        base = s.name.rstrip("23")
        if s.name == "breakdown":
            drums(p.score, s, [(KICK, kick, 60, "X.........x....."), (SNARE, snare, 60, "........X......."),
                               (HAT, hat, 60, "x.x.x.x.x.x.x.x.")], fill=[(TOM, tom, 60, "x.x.x.x.xxxxrrrr")])
            bass(p.score, s, BASS, saw_bass, "R.......R...F...", octave=36, gate=3, vol=50)
        elif s.name != "intro":
            drums(p.score, s, [(KICK, kick, 60, "X.....x.X.x....."), (SNARE, snare, 60, "....X.......X..x"),
                               (HAT, hat, 60, "xxoxxxoxxxoxxxox")],
                  fill=[(SNARE, snare, 60, "X.xxX.xxxxxxrrrr"), (TOM, tom, 60, "........x.x.xxxx")],
                  crash=(NOISE, crash, 60, 40))
            bass(p.score, s, BASS, saw_bass, "RRORRROFRRORRRON", octave=36, gate=1, vol=48)
        else:
            drums(p.score, s, [(TOM, tom, 60, "x...x...x...x.x." "x...x...x.x.xxxx")])
            bass(p.score, s, BASS, saw_bass, "R.R.R.R.R.R.R.R.", octave=36, gate=1, vol=48)
        chip_chords(p.score, s, CHORD, chords, "x--x--x-" if base != "bridge" else "x-------", center=62, vol=30)
        if base in tunes:
            realise(p.score, s, LEAD, lead, tunes[base], variation=i // 4, vol=42, echo=(ECHO, 3, 0.35, 0x40))
        if base in ("hero", "climb", "bridge", "outro", "intro"):
            arpeggio(p.score, s, ARP, arp, "01234321", center=72, vol=28, rate=1)
        if s.name == "bridge":
            realise(p.score, s, LEAD, lead, hero_tune, variation=5, vol=38, transpose=-7, echo=(ECHO, 6, 0.4, 0xC0))
        if s.name == "breakdown":
            realise(p.score, s, LEAD, lead, run_tune, variation=6, vol=38, echo=(ECHO, 3, 0.4, 0x40))
    return p
