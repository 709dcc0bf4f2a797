#!/usr/bin/env python3
"""Reads raw 48 kHz stereo 16-bit sound from standard input no faster than it would play, like a
sound card, and discards it: a player writing into this pipe plays in real time."""
import sys
import time

BYTES_PER_SECOND = 48000 * 2 * 2
CHUNK = BYTES_PER_SECOND // 50

source = sys.stdin.buffer
started = time.monotonic()
taken = 0
while chunk := source.read(CHUNK):
    taken += len(chunk)
    ahead = taken / BYTES_PER_SECOND - (time.monotonic() - started)
    if ahead > 0:
        time.sleep(ahead)
