"""Light effects shared by the pictures: blur, glow, rings, flares and colour gradients."""
import numpy as np


def _box(a, r, axis):
    if r <= 0:
        return a
    pad = [(0, 0)] * a.ndim
    pad[axis] = (r + 1, r)
    c = np.cumsum(np.pad(a, pad), axis=axis)
    n = a.shape[axis]
    hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
    lo = np.take(c, np.arange(0, n), axis=axis)
    return (hi - lo) / (2 * r + 1)


def blur(a, sigma_x, sigma_y=None):
    """Three box passes per axis: close enough to a Gaussian for glows."""
    sigma_y = sigma_x if sigma_y is None else sigma_y
    rx = max(0, int(round(sigma_x * 0.8)))
    ry = max(0, int(round(sigma_y * 0.8)))
    for _ in range(3):
        a = _box(_box(a, rx, 1), ry, 0)
    return a


def glow(cov, colour, sigma, strength=1.0):
    """H x W x 3 halo of the given colour around coverage cov."""
    halo = np.clip(blur(cov, sigma) * strength, 0.0, 1.0)
    return halo[..., None] * np.asarray(colour, dtype=np.float64)


def vertical_gradient(height, width, stops):
    """stops: [(position 0..1, (r, g, b)), ...] top to bottom."""
    ys = np.linspace(0.0, 1.0, height)
    pos = [p for p, _ in stops]
    rgb = np.stack([np.interp(ys, pos, [c[i] for _, c in stops]) for i in range(3)], axis=-1)
    return np.broadcast_to(rgb[:, None, :], (height, width, 3)).copy()


def grid(height, width):
    ys, xs = np.mgrid[0:height, 0:width]
    return xs.astype(np.float64), ys.astype(np.float64)


def ring(height, width, cx, cy, radius, thickness, colour, strength=1.0):
    xs, ys = grid(height, width)
    d = np.hypot(xs - cx, ys - cy) - radius
    profile = np.exp(-(d / thickness) ** 2) * strength
    return profile[..., None] * np.asarray(colour, dtype=np.float64)


def flare(height, width, cx, cy, radius, colour, rays=4, ray_length=None):
    """A bright point with a soft halo and thin rays."""
    xs, ys = grid(height, width)
    dx, dy = xs - cx, ys - cy
    r = np.hypot(dx, dy)
    core = np.exp(-(r / radius) ** 2)
    length = ray_length or radius * 8
    angle = np.arctan2(dy, dx)
    spikes = np.abs(np.cos(angle * rays / 2.0)) ** 60 * np.exp(-r / length)
    light = np.clip(core + spikes * 0.9, 0.0, 1.0)
    return light[..., None] * np.asarray(colour, dtype=np.float64)


def screen_add(base, light):
    """Additive light, clipped: how glows pile up on a CRT."""
    return np.clip(base + light, 0.0, 255.0)
