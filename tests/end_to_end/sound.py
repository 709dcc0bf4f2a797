#!/usr/bin/env python3
"""Checks of the sound SDL's disk audio driver writes: raw 48 kHz stereo signed 16-bit.

  sound.py seconds FILE
      Prints how many seconds of sound the file holds.
  sound.py heard FILE [SECONDS]
      Exit 0 when the last SECONDS (default: all) are louder than -45 dBFS.
  sound.py silent FILE SECONDS
      Exit 0 when the last SECONDS are quieter than -70 dBFS.
  sound.py changed FILE AT
      Exit 0 when the music changed at AT seconds: the 2 s before AT and the 2 s from AT + 0.5
      differ in level (by 6 dB), in brightness (the level of the signal's slope relative to
      its level, by 4 dB) or in zero crossings per second (by a factor of 1.6).
Levels are printed in dBFS.
"""
import array
import math
import sys

RATE = 48000
FRAME_BYTES = 4


def samples(path, start=0.0, seconds=None, last_seconds=None):
    with open(path, "rb") as f:
        data = f.read()
    data = data[:len(data) - len(data) % FRAME_BYTES]
    if last_seconds is not None:
        data = data[-int(last_seconds * RATE) * FRAME_BYTES:]
    else:
        first = int(start * RATE) * FRAME_BYTES
        data = data[first:] if seconds is None else data[first:first + int(seconds * RATE) * FRAME_BYTES]
    values = array.array("h")
    values.frombytes(data)
    if sys.byteorder == "big":
        values.byteswap()
    return values


def level(values):
    if not values:
        return -math.inf
    power = sum(v * v for v in values) / len(values)
    return 10 * math.log10(power / 32768.0 ** 2) if power else -math.inf


def signature(values):
    """Level, brightness and zero crossings per second of the sound's mid (left plus right)."""
    mid = [left + right for left, right in zip(values[0::2], values[1::2])]
    slope = [b - a for a, b in zip(mid, mid[1:])]
    crossings = sum(1 for a, b in zip(mid, mid[1:]) if (a < 0) != (b < 0))
    loudness = level(values)
    return loudness, level(slope) - level(mid), crossings * RATE / max(1, len(mid))


def changed(path, at):
    before = signature(samples(path, at - 2, 2))
    after = signature(samples(path, at + 0.5, 2))
    for name, values in (("before", before), ("after", after)):
        print(f"{name}: level {values[0]:.1f} dBFS, brightness {values[1]:.1f} dB, {values[2]:.0f} crossings/s")
    return (abs(before[0] - after[0]) > 6 or abs(before[1] - after[1]) > 4
            or not 1 / 1.6 < after[2] / max(1.0, before[2]) < 1.6)


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "seconds":
        values = samples(args[0])
        print(f"{len(values) / 2 / RATE:.2f}")
        return 0
    if command == "heard":
        seconds = float(args[1]) if len(args) > 1 else None
        loudness = level(samples(args[0], last_seconds=seconds))
        print(f"{loudness:.1f} dBFS")
        return 0 if loudness > -45 else 1
    if command == "silent":
        loudness = level(samples(args[0], last_seconds=float(args[1])))
        print(f"{loudness:.1f} dBFS")
        return 0 if loudness < -70 else 1
    if command == "changed":
        return 0 if changed(args[0], float(args[1])) else 1
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
