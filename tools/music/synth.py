"""Instrument synthesis: every sound of the disk is built here from maths and noise.

Pitch convention: a tonal sample whose period is 32 * 2**k samples, given the
relative note 12 * k, sounds at C-4 (about 261 Hz) when the tracker plays C-4.
Drums and one-shot sounds are rendered at RATE (8363 * 4 Hz) with relative note 24,
so they play at their natural pitch on C-4.
"""
import math
import random

from xm import Instrument, Sample

TAU = 2 * math.pi
BASE = 8363.0
RATE = BASE * 4          # rendering rate of one-shot sounds
RATE_NOTE = 24           # relative note that plays RATE-rendered samples at C-4
C4 = BASE / 32           # the frequency every tonal sample is tuned to


def normalise(data, peak=0.95):
    top = max(abs(v) for v in data) or 1.0
    return [v * peak / top for v in data]


def band_limited(kind, n, brightness=1.0):
    """Amplitude of harmonic n for a classic waveform; brightness < 1 darkens it."""
    if kind == "saw":
        a = 1.0 / n
    elif kind == "square":
        a = 1.0 / n if n % 2 else 0.0
    elif kind == "triangle":
        a = (1.0 / (n * n)) * (1 if (n // 2) % 2 == 0 else -1) if n % 2 else 0.0
    elif kind == "sine":
        a = 1.0 if n == 1 else 0.0
    else:
        raise ValueError(kind)
    if brightness < 1.0:
        a /= 1.0 + (n / (1 + 30 * brightness)) ** 2
    return a


def harmonic_cycle(amps, period, phases=None):
    """One period of a sum of harmonics; amps[0] is the fundamental."""
    out = [0.0] * period
    limit = min(len(amps), period // 2 - 1)
    for h in range(limit):
        a = amps[h]
        if not a:
            continue
        ph = phases[h] if phases else 0.0
        w = TAU * (h + 1) / period
        for i in range(period):
            out[i] += a * math.sin(w * i + ph)
    return out


def waveform(kind, period=128, brightness=1.0, harmonics=48):
    return normalise(harmonic_cycle([band_limited(kind, n, brightness)
                                     for n in range(1, harmonics + 1)], period))


def pulse(width, period=128, harmonics=40):
    amps = [(2.0 / (math.pi * n)) * math.sin(math.pi * n * width) for n in range(1, harmonics + 1)]
    phases = [math.pi / 2 - math.pi * n * width for n in range(1, harmonics + 1)]
    return normalise(harmonic_cycle(amps, period, phases))


def raw_chip(kind, period=32, width=0.5):
    """Hard-edged chip waves, aliasing included: that is the chip sound."""
    if kind == "square":
        return [0.9 if (i / period) < width else -0.9 for i in range(period)]
    if kind == "triangle":
        return [0.9 * (4 * abs(i / period - 0.5) - 1) for i in range(period)]
    if kind == "saw":
        return [0.9 * (2 * i / period - 1) for i in range(period)]
    raise ValueError(kind)


def fm_cycle(ratio, index, period=128, feedback=0.0):
    out = []
    for i in range(period):
        p = TAU * i / period
        out.append(math.sin(p + index * math.sin(ratio * p) + feedback * math.sin(2 * p)))
    return normalise(out)


def ensemble(kind, voices=3, cycles=128, period=128, brightness=0.6, spread=1, harmonics=40,
             seed=1):
    """A chorus of slightly detuned oscillators in one seamless loop.

    The loop holds `cycles` periods of the centre voice and cycles +- spread*j of
    the others, so every voice ends its loop exactly where it began.
    """
    rng = random.Random(seed)
    length = period * cycles
    out = [0.0] * length
    offsets = [0] + [s * spread * ((j + 2) // 2) for j, s in zip(range(voices - 1), [1, -1] * voices)]
    amps = [band_limited(kind, n, brightness) for n in range(1, harmonics + 1)]
    for off in offsets:
        c = cycles + off
        for h, a in enumerate(amps):
            n = h + 1
            if n * c * 2 >= length:
                break
            if not a:
                continue
            w = TAU * n * c / length
            ph = rng.random() * TAU
            for i in range(length):
                out[i] += a * math.sin(w * i + ph)
    return normalise(out)


def tonal(data, period, volume=64, panning=128, bits=16, loop=True, loop_start=0):
    """Wrap a looped waveform (period 32 * 2**k) as a sample tuned to C-4."""
    k = round(math.log2(period / 32))
    start = loop_start if loop else None
    return Sample(data, start, len(data) - loop_start if loop else 0, bits=bits,
                  relative_note=12 * k, volume=volume, panning=panning)


def one_shot(data, volume=64, panning=128, bits=16, loop_tail=0):
    """A sample rendered at RATE; loop_tail > 0 loops its last loop_tail samples."""
    start = len(data) - loop_tail if loop_tail else None
    return Sample(data, start, loop_tail, bits=bits, relative_note=RATE_NOTE,
                  volume=volume, panning=panning)


def decaying_harmonics(amps, decays, seconds, period=128, sustain_level=0.0, seed=0):
    """Plucked or struck tone: harmonic h decays at decays[h] per second.

    Rendered for whole periods, so the final period loops seamlessly and the
    envelope of the instrument carries the long tail.
    """
    rng = random.Random(seed)
    cycles = max(1, int(seconds * C4))
    sr = C4 * period
    length = cycles * period
    out = [0.0] * length
    for h, (a, d) in enumerate(zip(amps, decays)):
        n = h + 1
        if not a or n * 2 >= period:
            continue
        w = TAU * n / period
        ph = rng.random() * TAU
        for i in range(length):
            t = i / sr
            g = math.exp(-d * t)
            g = sustain_level + (1 - sustain_level) * g
            out[i] += a * g * math.sin(w * i + ph)
    return normalise(out)


# --- percussion, rendered at RATE ---

def _seconds(s):
    return int(s * RATE)


def kick(f_start=160.0, f_end=45.0, sweep=0.045, length=0.45, click=0.3, drive=1.4):
    out = []
    phase = 0.0
    for i in range(_seconds(length)):
        t = i / RATE
        f = f_end + (f_start - f_end) * math.exp(-t / sweep)
        phase += TAU * f / RATE
        env = math.exp(-t / (length * 0.35))
        v = math.sin(phase) * env
        v += click * math.exp(-t / 0.003) * math.sin(TAU * 1800 * t)
        out.append(math.tanh(drive * v))
    return normalise(out)


def _noise(n, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1, 1) for _ in range(n)]


def _highpass(data, amount):
    out, prev_in, prev_out = [], 0.0, 0.0
    for v in data:
        o = amount * (prev_out + v - prev_in)
        out.append(o)
        prev_in, prev_out = v, o
    return out


def _lowpass(data, amount):
    out, y = [], 0.0
    for v in data:
        y += amount * (v - y)
        out.append(y)
    return out


def snare(tone=190.0, length=0.28, noise_decay=0.09, tone_mix=0.55, seed=2, bright=0.6):
    n = _seconds(length)
    noise = _lowpass(_highpass(_noise(n, seed), 0.85), bright)
    out = []
    for i in range(n):
        t = i / RATE
        f = tone * (1 + 0.5 * math.exp(-t / 0.01))
        v = tone_mix * math.sin(TAU * f * t) * math.exp(-t / 0.05)
        v += noise[i] * math.exp(-t / noise_decay)
        out.append(v)
    return normalise(out)


def clap(length=0.3, seed=3):
    n = _seconds(length)
    noise = _lowpass(_highpass(_noise(n, seed), 0.9), 0.45)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-t / 0.07)
        for burst in (0.0, 0.011, 0.022):
            if burst <= t < burst + 0.01:
                env = max(env, math.exp(-(t - burst) / 0.004) * 1.2)
        out.append(noise[i] * env)
    return normalise(out)


def hat(length=0.08, decay=0.025, seed=4, metal=0.4):
    n = _seconds(length)
    noise = _highpass(_highpass(_noise(n, seed), 0.7), 0.7)
    out = []
    for i in range(n):
        t = i / RATE
        m = sum(math.sin(TAU * f * t) for f in (3140, 4570, 6230, 7910)) / 4 if metal else 0
        out.append((noise[i] + metal * m) * math.exp(-t / decay))
    return normalise(out)


def cymbal(length=1.4, decay=0.45, seed=5):
    n = _seconds(length)
    noise = _highpass(_noise(n, seed), 0.6)
    out = []
    for i in range(n):
        t = i / RATE
        m = sum(math.sin(TAU * f * t + f) for f in (2350, 3710, 5290, 6870)) / 4
        env = math.exp(-t / decay) * min(1.0, t / 0.002)
        out.append((noise[i] * 0.8 + 0.3 * m) * env)
    return normalise(out, 0.8)


def tom(f_start=220.0, f_end=110.0, length=0.35):
    out, phase = [], 0.0
    for i in range(_seconds(length)):
        t = i / RATE
        f = f_end + (f_start - f_end) * math.exp(-t / 0.06)
        phase += TAU * f / RATE
        out.append(math.sin(phase) * math.exp(-t / 0.12))
    return normalise(out)


def timpani(freq=87.3, length=1.0, seed=6):
    n = _seconds(length)
    noise = _lowpass(_noise(n, seed), 0.05)
    out = []
    for i in range(n):
        t = i / RATE
        f = freq * (1 + 0.08 * math.exp(-t / 0.05))
        v = math.sin(TAU * f * t) + 0.5 * math.sin(TAU * f * 1.5 * t) * math.exp(-t / 0.2)
        v += 0.35 * math.sin(TAU * f * 1.99 * t) * math.exp(-t / 0.3)
        out.append((v + noise[i] * 3 * math.exp(-t / 0.03)) * math.exp(-t / 0.35))
    return normalise(out)


def metal_hit(freq=110.0, length=0.6, seed=7):
    """Struck sheet metal: inharmonic partials over a noise burst."""
    n = _seconds(length)
    noise = _highpass(_noise(n, seed), 0.8)
    ratios = (1.0, 2.76, 5.40, 8.93, 13.34)
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(math.sin(TAU * freq * r * t) * math.exp(-t * (3 + r)) / (1 + 0.3 * r) for r in ratios)
        v += noise[i] * math.exp(-t / 0.04)
        out.append(math.tanh(2.0 * v))
    return normalise(out)


def noise_sweep(length=2.0, rising=True, seed=8):
    """Filtered noise riser for section changes."""
    n = _seconds(length)
    noise = _noise(n, seed)
    out, y = [], 0.0
    for i in range(n):
        x = i / n if rising else 1 - i / n
        amount = 0.02 + 0.5 * x * x
        y += amount * (noise[i] - y)
        out.append(y * (0.2 + 0.8 * x))
    return normalise(out, 0.8)


def bell(length=1.2, seed=9):
    """A small glassy bell at C-5 rendered at RATE: inharmonic FM partials."""
    n = _seconds(length)
    f = C4 * 2
    out = []
    for i in range(n):
        t = i / RATE
        mod = 2.2 * math.exp(-t / 0.25) * math.sin(TAU * f * 3.5 * t)
        v = math.sin(TAU * f * t + mod) * math.exp(-t / 0.6)
        v += 0.3 * math.sin(TAU * f * 4.07 * t) * math.exp(-t / 0.15)
        out.append(v)
    return normalise(out)


# --- envelopes (in seconds; converted to ticks for a tempo) ---

def envelope(points_seconds, bpm, sustain=None, fadeout=0):
    """points: (seconds, level 0..1). Returns kwargs for Instrument."""
    tick = 2.5 / bpm
    pts = []
    last_x = -1
    for sec, level in points_seconds:
        x = max(last_x + 1, int(round(sec / tick)))
        pts.append((x, max(0, min(64, int(round(level * 64))))))
        last_x = x
    return {"envelope": pts, "sustain": sustain, "fadeout": fadeout}


def adsr(bpm, attack=0.005, decay=0.2, sustain=0.6, release=0.3):
    return envelope([(0, 0 if attack > 0.01 else 1), (attack, 1), (attack + decay, sustain),
                     (attack + decay + release, 0)], bpm, sustain=2)


def instrument(name, sample, env=None, vibrato=(0, 0, 0, 0)):
    env = env or {}
    return Instrument(name, sample, env.get("envelope"), env.get("sustain"),
                      env.get("fadeout", 0), vibrato)
