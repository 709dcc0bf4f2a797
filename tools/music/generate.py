#!/usr/bin/python3
"""Compose the disk's thirteen modules and write them as XM files.

    /usr/bin/python3 tools/music/generate.py              # write assets/music/*.zav
    /usr/bin/python3 tools/music/generate.py --calibrate  # also re-measure levels.tsv
    /usr/bin/python3 tools/music/generate.py psycho theme  # only the named pieces
"""
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT = os.path.join(ROOT, "assets", "music")
LEVELS = os.path.join(HERE, "levels.tsv")
PIECES = ["clouds", "intos", "labyrinth", "lcrusade", "psycho", "cyber_dream", "friends",
          "frail_love", "inborn", "toots", "turrican", "dfactory", "theme"]

TARGET_RMS_DB = -21.0
PEAK_LIMIT_DB = -1.5
DEFAULT_GLOBAL_VOLUME = 56

sys.path.insert(0, HERE)


def read_levels():
    levels = {}
    if os.path.exists(LEVELS):
        for line in open(LEVELS):
            if line.strip() and not line.startswith("file"):
                name, volume = line.split("\t")
                levels[name] = int(volume)
    return levels


def write_levels(levels):
    with open(LEVELS, "w") as f:
        f.write("file\tglobal_volume\n")
        for name in sorted(levels):
            f.write(f"{name}\t{levels[name]}\n")


def build(name, global_volume):
    piece = importlib.import_module(f"pieces.{name}").compose()
    path = os.path.join(OUT, piece.file)
    size = piece.write(path, global_volume)
    return piece, path, size


def calibrated(volume, m):
    """Global volume that brings the piece to the target loudness within the peak limit."""
    gain_db = min(TARGET_RMS_DB - m["rms_db"], PEAK_LIMIT_DB - m["peak_db"])
    return max(1, min(64, int(volume * 10 ** (gain_db / 20))))


def main(args):
    calibrate = "--calibrate" in args
    only = [a for a in args if not a.startswith("--")]
    levels = read_levels()
    rows = []
    os.makedirs(OUT, exist_ok=True)
    for name in PIECES:
        if only and name not in only:
            continue
        module = importlib.import_module(f"pieces.{name}")
        piece, path, size = build(name, levels.get(module.FILE, DEFAULT_GLOBAL_VOLUME))
        if calibrate:
            from openmpt import measure
            volume = levels.get(piece.file, DEFAULT_GLOBAL_VOLUME)
            for _ in range(2):
                volume = calibrated(volume, measure(path))
                piece, path, size = build(name, volume)
            levels[piece.file] = volume
        rows.append(piece)
        print(f"{piece.file:13} {piece.title:15} {piece.bpm:4} bpm  {piece.key.name():12} "
              f"{piece.duration():7.2f} s  {size / 1024:6.1f} KiB  {len(piece.instruments)} instruments")
    if calibrate:
        write_levels(levels)
    if not only:
        with open(os.path.join(OUT, "pieces.tsv"), "w") as f:
            f.write("file\ttitle\ttempo\tkey\n")
            for p in rows:
                f.write(f"{p.file}\t{p.title}\t{p.bpm}\t{p.key.name()}\n")


if __name__ == "__main__":
    main(sys.argv[1:])
