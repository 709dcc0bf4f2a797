"""FastTracker 2 Extended Module (XM) writer.

Only what the generator needs: packed patterns, one sample per instrument,
volume envelopes, 8- or 16-bit delta-encoded sample data.
"""
import struct

KEY_OFF = 97
TRACKER_NAME = "zavgen"


class Cell:
    __slots__ = ("note", "instrument", "volume", "effect", "param")

    def __init__(self, note=0, instrument=0, volume=0, effect=0, param=0):
        self.note = note
        self.instrument = instrument
        self.volume = volume
        self.effect = effect
        self.param = param

    def fields(self):
        return (self.note, self.instrument, self.volume, self.effect, self.param)


class Sample:
    """Sample data as floats in -1..1 plus how the player treats it."""

    def __init__(self, data, loop_start=None, loop_length=0, bits=16, relative_note=0,
                 finetune=0, volume=64, panning=128, pingpong=False):
        self.data = data
        self.loop_start = loop_start
        self.loop_length = loop_length
        self.bits = bits
        self.relative_note = relative_note
        self.finetune = finetune
        self.volume = volume
        self.panning = panning
        self.pingpong = pingpong


class Instrument:
    def __init__(self, name, sample, envelope=None, sustain=None, fadeout=0,
                 vibrato=(0, 0, 0, 0)):
        """envelope: list of (tick, level 0..64); sustain: index of the held point."""
        self.name = name
        self.sample = sample
        self.envelope = envelope or []
        self.sustain = sustain
        self.fadeout = fadeout
        self.vibrato = vibrato


def _text(s, size):
    return s.encode("ascii")[:size].ljust(size, b"\0")


def _delta(values, bits):
    out = bytearray()
    prev = 0
    if bits == 8:
        for v in values:
            q = max(-128, min(127, int(round(v * 127))))
            out.append((q - prev) & 0xFF)
            prev = q
    else:
        for v in values:
            q = max(-32768, min(32767, int(round(v * 32767))))
            out += struct.pack("<H", (q - prev) & 0xFFFF)
            prev = q
    return bytes(out)


def _pack_pattern(rows, channels):
    out = bytearray()
    for row in rows:
        for c in range(channels):
            cell = row.get(c)
            if cell is None:
                out.append(0x80)
                continue
            f = cell.fields()
            mask = 0
            for bit, value in enumerate(f):
                if value:
                    mask |= 1 << bit
            if mask == 0x1F:
                out += bytes(f)
                continue
            out.append(0x80 | mask)
            out += bytes(v for v in f if v)
    return bytes(out)


def _pattern_chunk(rows, channels):
    data = _pack_pattern(rows, channels)
    return struct.pack("<IBHH", 9, 0, len(rows), len(data)) + data


def _instrument_chunk(ins):
    s = ins.sample
    head = bytearray()
    head += _text(ins.name, 22)
    head += bytes([0])
    head += struct.pack("<H", 1)
    head += struct.pack("<I", 40)
    head += bytes(96)
    env = ins.envelope[:12]
    vol_points = bytearray()
    for x, y in env:
        vol_points += struct.pack("<HH", x, y)
    head += vol_points.ljust(48, b"\0")
    head += bytes(48)
    head += bytes([len(env), 0])
    head += bytes([ins.sustain or 0, 0, 0])
    head += bytes([0, 0, 0])
    env_type = 0
    if env:
        env_type = 1 | (2 if ins.sustain is not None else 0)
    head += bytes([env_type, 0])
    head += bytes(ins.vibrato)
    head += struct.pack("<H", ins.fadeout)
    size = 263
    head = struct.pack("<I", size) + bytes(head)
    head = head.ljust(size, b"\0")

    width = 2 if s.bits == 16 else 1
    data = _delta(s.data, s.bits)
    loop_type = 0
    loop_start = loop_len = 0
    if s.loop_start is not None and s.loop_length > 0:
        loop_type = 2 if s.pingpong else 1
        loop_start, loop_len = s.loop_start, s.loop_length
    sample_type = loop_type | (0x10 if s.bits == 16 else 0)
    sample_head = struct.pack("<IIIBbBBbB", len(s.data) * width, loop_start * width,
                              loop_len * width, s.volume, s.finetune, sample_type,
                              s.panning, s.relative_note, 0) + _text(ins.name, 22)
    return head + sample_head + data


def write_xm(path, name, channels, speed, bpm, patterns, order, restart, instruments):
    """patterns: list of row lists; a row is a dict channel -> Cell."""
    if channels % 2:
        channels += 1
    header = bytearray()
    header += b"Extended Module: "
    header += _text(name, 20)
    header += b"\x1a"
    header += _text(TRACKER_NAME, 20)
    header += struct.pack("<H", 0x0104)
    header += struct.pack("<IHHHHHHHH", 276, len(order), restart, channels, len(patterns),
                          len(instruments), 1, speed, bpm)
    header += bytes(order).ljust(256, b"\0")
    body = bytearray(header)
    for rows in patterns:
        body += _pattern_chunk(rows, channels)
    for ins in instruments:
        body += _instrument_chunk(ins)
    with open(path, "wb") as f:
        f.write(body)
    return len(body)
