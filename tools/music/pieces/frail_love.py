"""Frail Love: ballad. Piano broken chords, soft strings, a singing tune that
opens up in the chorus, brushed drums only once the song has found its feet."""
import synth
from kit import drum, held_pluck, osc, pad
from melody import Theme, realise
from parts import arpeggio, bass, drums, pad as pad_part
from piece import Piece

FILE = "frailove.zav"
PIANO, PIANO2, BASS, STR1, STR2, STR3, LEAD, ECHO, KICK, BRUSH = range(10)


def compose():
    p = Piece("Frail Love", FILE, "Eb", "major", 72, "2:52", channels=10)
    verse = ["I", "V", "vi", "IV", "I", "V", "IV", "V"]
    chorus = ["IV", "V", "iii", "vi", "ii7", "V", "I", "Vsus4 V"]
    p.section("intro", 4, ["I", "IV", "vi", "Vsus4 V"])
    p.section("verse", 16, verse)
    p.section("chorus", 8, chorus)
    p.section("verse2", 8, verse)
    p.section("bridge", 8, ["vi", "iii", "IV", "I", "ii7", "vi", "IV", "Vsus4 V"])
    p.section("chorus2", 8, chorus, flexible=True)
    p.loop_from(1)
    bpm = p.fit()

    piano = p.add(held_pluck("piano", bpm, [1, 0.6, 0.35, 0.25, 0.12, 0.08, 0.05, 0.03],
                             [1.2, 2, 3, 4, 6, 8, 10, 12], seconds=0.35, ring=2.0, release=0.4, volume=52))
    bass_i = p.add(osc("soft bass", synth.waveform("triangle", 256, harmonics=10), 256, bpm, attack=0.02,
                       decay=0.5, sustain=0.7, release=0.4, volume=56))
    strings = p.add(pad("strings", "saw", bpm, brightness=0.2, attack=0.9, release=1.5, volume=42, voices=4,
                        seed=81))
    voice = p.add(osc("voice", synth.harmonic_cycle([1, 0.35, 0.2, 0.08, 0.05], 128), 128, bpm, attack=0.08,
                      decay=0.4, sustain=0.85, release=0.6, volume=48, vibrato=(0, 50, 3, 7)))
    kick = p.add(drum("soft kick", synth.kick(110, 50, 0.04, 0.35, click=0.05, drive=1.0), bits=16, volume=44))
    brush = p.add(drum("brush", synth.hat(0.18, 0.07, seed=82, metal=0), volume=30))

    verse_tune = Theme(seed=811, style="lyrical", center=67, low=60, high=77)
    chorus_tune = Theme(seed=823, style="lyrical", center=72, low=64, high=82)
    for i, s in enumerate(p.sections):
        arpeggio(p.score, s, PIANO, piano, "0123" "4321", center=60, vol=34, rate=2)
        bass(p.score, s, BASS, bass_i, "R" + " " * 7 + "F" + " " * 7 if s.name != "intro" else "R" + " " * 15,
             octave=36, vol=44)
        if s.name != "intro" and s.name != "verse":
            pad_part(p.score, s, (STR1, STR2, STR3), strings, center=64, vol=34)
        if s.name in ("verse", "verse2"):
            realise(p.score, s, LEAD, voice, verse_tune, variation=0 if s.name == "verse" else 2, vol=44,
                    echo=(ECHO, 4, 0.3, 0xC0))
        if s.name.startswith("chorus"):
            realise(p.score, s, LEAD, voice, chorus_tune, variation=0 if s.name == "chorus" else 2, vol=46,
                    echo=(ECHO, 4, 0.3, 0xC0))
            arpeggio(p.score, s, PIANO2, piano, "5...3...4...2...", center=72, vol=22, rate=1)
        if s.name == "bridge":
            realise(p.score, s, LEAD, voice, chorus_tune, variation=3, vol=40, transpose=-5,
                    echo=(ECHO, 4, 0.3, 0xC0))
        if s.name not in ("intro", "verse"):
            drums(p.score, s, [(KICK, kick, 60, "x.......o.x....."), (BRUSH, brush, 60, "o.g.x.g.o.g.x.gg")])
    return p
