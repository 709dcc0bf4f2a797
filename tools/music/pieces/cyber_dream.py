"""Cyber Dream: synthpop. Eighth-note bass, gated chord stabs, a bright
detuned lead for the chorus, a dreamy bridge, and the chorus again to close."""
import synth
from kit import drum, osc, pad, pluck
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part, stabs
from piece import Piece

FILE = "cyber_dr.zav"
KICK, SNARE, HAT, TOM, BASS, STAB1, STAB2, STAB3, LEAD, ECHO, ARP, CYM = range(12)


def compose():
    p = Piece("Cyber Dream", FILE, "E", "minor", 112, "3:20", channels=12)
    verse = ["i", "bVI", "bIII", "bVII"]
    chorus = ["bVI", "bVII", "i", "i", "bVI", "bVII", "bIII", "V"]
    p.section("intro", 8, verse)
    p.section("verse", 16, verse)
    p.section("chorus", 16, chorus)
    p.section("verse2", 16, verse)
    p.section("chorus2", 16, chorus)
    p.section("bridge", 8, ["iv7", "bVII", "bIIImaj7", "bVImaj7"])
    p.section("chorus3", 16, chorus, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(170, 50, 0.03, 0.3, click=0.4, drive=1.8), bits=16))
    snare = p.add(drum("gated snare", synth.snare(200, 0.25, 0.12, tone_mix=0.5, seed=61, bright=0.5), volume=54))
    hat = p.add(drum("hat", synth.hat(0.05, 0.02, seed=62, metal=0.5), volume=30))
    tom = p.add(drum("syn tom", synth.tom(260, 120, 0.3), volume=48))
    bass_i = p.add(osc("synth bass", synth.pulse(0.4, 256), 256, bpm, decay=0.12, sustain=0.5, release=0.05,
                       volume=54))
    stab = p.add(osc("stab", synth.ensemble("square", voices=2, cycles=64, brightness=0.35, seed=63, harmonics=20),
                     128, bpm, decay=0.2, sustain=0.4, release=0.1, volume=40))
    lead = p.add(osc("dream lead", synth.ensemble("saw", voices=3, cycles=64, brightness=0.8, seed=64, harmonics=30),
                     128, bpm, attack=0.02, decay=0.3, sustain=0.75, release=0.35, volume=44,
                     vibrato=(0, 25, 2, 6)))
    bell = p.add(pluck("fm bell", bpm, [1, 0.5, 0.0, 0.3, 0, 0.2], [2, 3, 0, 6, 0, 10], seconds=0.2, ring=0.5,
                       volume=36))
    pad_i = p.add(pad("dream pad", "square", bpm, brightness=0.3, attack=0.9, release=1.2, volume=40, seed=65))
    cym = p.add(drum("crash", synth.cymbal(1.0, 0.35, seed=66), volume=34))

    verse_tune = Theme(seed=611, style="flowing", center=69, low=62, high=79)
    chorus_tune = Theme(seed=619, style="lyrical", center=74, low=66, high=86)
    for i, s in enumerate(p.sections):
        groove = "X.....x.X.......", "....X.......X..."
        if s.name != "intro":
            drums(p.score, s, [(KICK, kick, 60, groove[0]), (SNARE, snare, 60, groove[1]),
                               (HAT, hat, 60, "x.x.x.x.x.x.x.x.")],
                  fill=[(TOM, tom, 60, "........x.x.o.o.")], crash=(CYM, cym, 60, 40) if "chorus" in s.name else None)
        else:
            drums(p.score, s, [(HAT, hat, 60, "o.o.o.o.o.o.o.o.")])
        bass(p.score, s, BASS, bass_i, "R.R.R.R.R.R.O.R." if s.name != "bridge" else "R.......F.......",
             octave=35, gate=1, vol=50)
        if s.name in ("verse", "verse2", "chorus", "chorus2", "chorus3"):
            stabs(p.score, s, (STAB1, STAB2, STAB3), stab, "x..x..x...x..x.." if "verse" in s.name else "x.x..x.x..x..x.x",
                  center=64, vol=36, gate=2)
        else:
            pad_part(p.score, s, (STAB1, STAB2, STAB3), pad_i, center=64, vol=36)
        arpeggio(p.score, s, ARP, bell, "0214" "2031", center=74, vol=22, rate=2)
        if "verse" in s.name:
            realise(p.score, s, LEAD, lead, verse_tune, variation=i // 3, vol=40, echo=(ECHO, 3, 0.4, 0x40))
        if "chorus" in s.name:
            realise(p.score, s, LEAD, lead, chorus_tune, variation=i // 3, vol=44, echo=(ECHO, 3, 0.4, 0x40))
        if s.name == "bridge":
            realise(p.score, s, LEAD, lead, verse_tune, variation=4, vol=38, transpose=12,
                    echo=(ECHO, 6, 0.45, 0xC0))
    return p
