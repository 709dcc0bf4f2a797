#!/usr/bin/env python3
"""Start-up time of the disk on the X server in $DISPLAY, which must have a white root window
(Xvfb -wr) so the disk's first frame shows as the screen turning from white.

  first_frame.py ZAV RUN_DIR RUNS

Starts ZAV from RUN_DIR RUNS times and, for each, polls the server until its window exists and
until the first pixel of the screen is no longer white; ends it with F10. Prints the medians in
milliseconds as "window <ms> frame <ms>".
"""
import os
import statistics
import struct
import subprocess
import sys
import time

TITLE = '"Z.A.V - Korvath"'
WHITE = 0xFFFFFF


def window_id():
    """The id of the disk's window, or None while there is none."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    return next((line.split()[0] for line in tree.splitlines() if TITLE in line), None)


def screen_drawn():
    """Whether some pixel of a grid over the whole screen is not white."""
    dump = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    fields = struct.unpack(">25I", dump[:100])
    header, width, height, bits, line, colours = fields[0], fields[4], fields[5], fields[11], fields[12], fields[19]
    if bits != 32:
        sys.exit("first_frame.py needs a 24-bit screen")
    start = header + colours * 12
    for y in range(0, height, 16):
        for x in range(0, width, 16):
            at = start + y * line + x * 4
            if int.from_bytes(dump[at:at + 4], "little" if fields[7] == 0 else "big") & WHITE != WHITE:
                return True
    return False


def one_run(zav, run_dir):
    environment = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE="/dev/null")
    started = time.monotonic()
    process = subprocess.Popen([zav], cwd=run_dir, env=environment, stderr=subprocess.DEVNULL)
    window = frame = None
    while frame is None and time.monotonic() - started < 20:
        now = time.monotonic()
        if window is None and window_id():
            window = now
        if window is not None and screen_drawn():
            frame = now
        time.sleep(0.002)
    # No window manager gives the window the keyboard.
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id()], check=True)
    subprocess.run(["xdotool", "key", "F10"], check=True)
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    if frame is None:
        sys.exit("the disk drew nothing within 20 s")
    return (window - started) * 1000, (frame - started) * 1000


def main(argv):
    zav, run_dir, runs = argv[1], argv[2], int(argv[3])
    results = [one_run(zav, run_dir) for _ in range(runs)]
    window = statistics.median(r[0] for r in results)
    frame = statistics.median(r[1] for r in results)
    print(f"window {window:.0f} frame {frame:.0f}")


if __name__ == "__main__":
    main(sys.argv)
