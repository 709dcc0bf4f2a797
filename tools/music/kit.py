"""Ready-made instrument shapes; each piece tunes them with its own parameters."""
import synth
from synth import adsr, envelope, instrument, one_shot, tonal


def drum(name, data, bits=8, volume=64, panning=128):
    return instrument(name, one_shot(data, volume=volume, panning=panning, bits=bits))


def osc(name, data, period, bpm, attack=0.005, decay=0.2, sustain=0.7, release=0.2, volume=64,
        panning=128, bits=16, vibrato=(0, 0, 0, 0)):
    """A looped waveform under an ADSR envelope."""
    return instrument(name, tonal(data, period, volume=volume, panning=panning, bits=bits),
                      adsr(bpm, attack, decay, sustain, release), vibrato)


def pad(name, kind, bpm, cycles=128, brightness=0.35, attack=0.6, release=1.2, volume=64,
        panning=128, voices=3, seed=1):
    data = synth.ensemble(kind, voices=voices, cycles=cycles, brightness=brightness, seed=seed,
                          harmonics=24)
    return instrument(name, tonal(data, 128, volume=volume, panning=panning),
                      envelope([(0, 0), (attack, 1), (attack + 0.5, 0.85), (attack + 0.5 + release, 0)],
                               bpm, sustain=2))


def pluck(name, bpm, amps, decays, seconds=0.25, ring=0.8, volume=64, panning=128, sustain_level=0.0,
          seed=0):
    """Struck or plucked tone: a decaying attack, then its last period loops under a fading envelope."""
    data = synth.decaying_harmonics(amps, decays, seconds, sustain_level=sustain_level, seed=seed)
    sample = tonal(data, 128, volume=volume, panning=panning, loop_start=len(data) - 128)
    return instrument(name, sample,
                      envelope([(0, 1), (seconds, 0.7), (seconds + ring, 0.25), (seconds + 2.5 * ring, 0)],
                               bpm, sustain=None))


def held_pluck(name, bpm, amps, decays, seconds=0.25, ring=0.8, release=0.15, volume=64, panning=128):
    """Like pluck, but a key-off ends the note quickly (for bass and piano)."""
    data = synth.decaying_harmonics(amps, decays, seconds)
    sample = tonal(data, 128, volume=volume, panning=panning, loop_start=len(data) - 128)
    return instrument(name, sample,
                      envelope([(0, 1), (seconds, 0.7), (seconds + ring, 0.3), (seconds + ring + 0.01, 0.3),
                                (seconds + ring + release, 0)], bpm, sustain=2))


def harmonics(kind, count=40, brightness=1.0):
    return [synth.band_limited(kind, n, brightness) for n in range(1, count + 1)]
