"""Friends: funk. A slap-style bass that pops octaves, clavinet chops on the
off-beats, tight ghost-note drums, a brass-like riff and a call-and-answer bridge."""
import synth
from kit import drum, harmonics, held_pluck, osc, pluck
from melody import Theme, realise, swing
from parts import bass, drums, stabs
from piece import Piece

FILE = "friends.zav"
KICK, SNARE, HAT, BASS, CLAV1, CLAV2, CLAV3, HORN, HORN2, ORGAN, PERC = range(11)


def compose():
    p = Piece("Friends", FILE, "E", "dorian", 104, "2:15", channels=11)
    groove = ["i7", "IV7", "i7", "IV7"]
    lift = ["bIIImaj7", "IV7", "v7", "i7"]
    p.section("intro", 4, groove)
    p.section("groove", 16, groove)
    p.section("lift", 8, lift)
    p.section("groove2", 16, groove)
    p.section("bridge", 8, ["bVII", "IV7", "bVII", "V7"])
    p.section("lift2", 8, lift, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    kick = p.add(drum("kick", synth.kick(140, 55, 0.03, 0.25, click=0.35, drive=1.3), bits=16))
    snare = p.add(drum("snare", synth.snare(230, 0.2, 0.07, tone_mix=0.6, seed=71, bright=0.7), volume=54))
    hat = p.add(drum("hat", synth.hat(0.05, 0.014, seed=72, metal=0.3), volume=36))
    slap = p.add(held_pluck("slap bass", bpm, harmonics("saw", 30, 0.7), [3 + 3 * n for n in range(30)],
                            seconds=0.12, ring=0.3, release=0.05, volume=60))
    clav = p.add(pluck("clav", bpm, harmonics("square", 30, 1.0), [8 + 4 * n for n in range(30)],
                       seconds=0.06, ring=0.12, volume=40))
    horn = p.add(osc("horn", synth.ensemble("saw", voices=2, cycles=64, brightness=0.5, seed=73, harmonics=24),
                     128, bpm, attack=0.03, decay=0.15, sustain=0.8, release=0.1, volume=46))
    organ = p.add(osc("organ", synth.harmonic_cycle([1, 0.8, 0, 0.6, 0, 0, 0, 0.4], 128), 128, bpm,
                      attack=0.02, decay=0.1, sustain=0.9, release=0.1, volume=30))
    cowbell = p.add(drum("cowbell", synth.metal_hit(560, 0.2, seed=74), volume=24))

    riff = Theme(seed=707, style="riff", center=71, low=64, high=83)
    answer = Theme(seed=719, style="busy", center=76, low=67, high=86)
    for i, s in enumerate(p.sections):
        drums(p.score, s, [(KICK, kick, 60, "X.....x...X..x.." if s.name != "intro" else "X.......X......."),
                           (SNARE, snare, 60, "....X..g.g..X..g" if s.name != "intro" else "................"),
                           (HAT, hat, 60, "xoxoxoxoxoxoxoxo")],
              fill=[(SNARE, snare, 60, "....X..g.gx.XxXx")] if s.name != "intro" else None)
        bass(p.score, s, BASS, slap, "R..rO.R..RS.O.rF", octave=40, gate=1, vol=56)
        stabs(p.score, s, (CLAV1, CLAV2, CLAV3), clav, ".x.x..x..x.x..x." if s.name != "intro" else "..x...x...x...x.",
              center=64, vol=32, gate=1)
        if s.name.startswith("groove"):
            realise(p.score, s, HORN, horn, riff, variation=i // 3, vol=44, vibrato=0)
            realise(p.score, s, HORN2, horn, riff, variation=i // 3, vol=26, transpose=-5, vibrato=0)
        if s.name.startswith("lift"):
            realise(p.score, s, HORN, horn, answer, variation=i // 3, vol=42, vibrato=0)
            drums(p.score, s, [(PERC, cowbell, 60, "x.x.x.x.x.x.x.x.")])
        if s.name == "bridge":
            realise(p.score, s, HORN, horn, riff, variation=3, vol=40, bars=4, vibrato=0)
            realise(p.score, s, ORGAN, organ, answer, variation=3, vol=40, start_bar=4, vibrato=0)
        swing(p.score, s, (HAT,))
    return p
