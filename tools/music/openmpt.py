"""Measure a module as the disk's player hears it: libopenmpt, 48 kHz stereo float."""
import array
import ctypes
import math

RATE = 48000
SILENCE = 10 ** (-60 / 20)

_lib = ctypes.CDLL("libopenmpt.so.0")
_lib.openmpt_module_create_from_memory2.restype = ctypes.c_void_p
_lib.openmpt_module_create_from_memory2.argtypes = [ctypes.c_char_p, ctypes.c_size_t] + [ctypes.c_void_p] * 7
_lib.openmpt_module_get_duration_seconds.restype = ctypes.c_double
_lib.openmpt_module_get_duration_seconds.argtypes = [ctypes.c_void_p]
_lib.openmpt_module_read_interleaved_float_stereo.restype = ctypes.c_size_t
_lib.openmpt_module_read_interleaved_float_stereo.argtypes = [ctypes.c_void_p, ctypes.c_int32, ctypes.c_size_t,
                                                              ctypes.c_void_p]
_lib.openmpt_module_destroy.argtypes = [ctypes.c_void_p]


def measure(path):
    """Duration (s), peak and RMS (dBFS) and the longest silence (s) of one play-through."""
    data = open(path, "rb").read()
    mod = _lib.openmpt_module_create_from_memory2(data, len(data), None, None, None, None, None, None, None)
    if not mod:
        raise RuntimeError(f"libopenmpt cannot load {path}")
    duration = _lib.openmpt_module_get_duration_seconds(mod)
    chunk = 48000
    buf = (ctypes.c_float * (2 * chunk))()
    peak, energy, frames, run, longest = 0.0, 0.0, 0, 0, 0
    while True:
        n = _lib.openmpt_module_read_interleaved_float_stereo(mod, RATE, chunk, buf)
        if n == 0:
            break
        a = array.array("f", bytes(buf)[: 8 * n])
        peak = max(peak, max(a), -min(a))
        energy += math.fsum(x * x for x in a)
        for i in range(0, 2 * n, 2):
            if abs(a[i]) < SILENCE and abs(a[i + 1]) < SILENCE:
                run += 1
                longest = max(longest, run)
            else:
                run = 0
        frames += n
    _lib.openmpt_module_destroy(mod)
    rms = math.sqrt(energy / max(1, 2 * frames))
    return {
        "duration": duration,
        "peak_db": 20 * math.log10(max(peak, 1e-9)),
        "rms_db": 20 * math.log10(max(rms, 1e-9)),
        "silence": longest / RATE,
    }
