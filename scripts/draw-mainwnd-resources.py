#!/usr/bin/env python3
"""Draws the main window's pictures and its Internet chime, byte for byte, so that they can be redrawn
from this file alone: the program icon, the three tray icons, the two signal segments, the Internet
notice's globe and ConnectToInternet.WAV.

    scripts/draw-mainwnd-resources.py [repository root]

Shapes are tested at 4 x 4 points per pixel, which gives smooth edges without any image library.
"""
import math
import os
import struct
import sys

SAMPLES = 4


class Canvas:
    def __init__(self, width, height, background=None):
        self.w = width
        self.h = height
        # Premultiplied-free RGBA, components 0..1.
        bg = background if background is not None else (0.0, 0.0, 0.0, 0.0)
        self.px = [list(bg) for _ in range(width * height)]

    def fill(self, inside, color, alpha=1.0):
        """Paints `color` (r, g, b or a function of (x, y) giving one) over every point `inside`."""
        step = 1.0 / SAMPLES
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits == 0:
                    continue
                cover = alpha * hits / (SAMPLES * SAMPLES)
                rgb = color(x + 0.5, y + 0.5) if callable(color) else color
                self._over(x, y, rgb, cover)

    def _over(self, x, y, rgb, a):
        p = self.px[y * self.w + x]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def bytes8(self, x, y):
        p = self.px[y * self.w + x]
        return tuple(max(0, min(255, int(round(c * 255)))) for c in p)


def hexrgb(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


def vertical(top, bottom, y0, y1):
    """A colour running from `top` at y0 to `bottom` at y1."""
    def at(_x, y):
        t = min(1.0, max(0.0, (y - y0) / max(1e-6, y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return at


# Shapes: functions of a point answering whether it lies inside.

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def arc(cx, cy, radius, width, half_angle):
    """A band of `width` around a circle's upper part, `half_angle` degrees either side of straight up,
    with round ends."""
    limit = math.radians(half_angle)
    ends = [(cx + s * radius * math.sin(limit), cy - radius * math.cos(limit)) for s in (-1, 1)]

    def inside(x, y):
        dx, dy = x - cx, cy - y
        d = math.hypot(dx, dy)
        if abs(d - radius) <= width / 2 and dy > 0 and abs(math.atan2(dx, dy)) <= limit:
            return True
        return any((x - ex) ** 2 + (y - ey) ** 2 <= (width / 2) ** 2 for ex, ey in ends)
    return inside


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        nx, ny = (x - cx) / rx, (y - cy) / ry
        n = math.hypot(nx, ny)
        if n == 0:
            return False
        # Distance along the ray to the ellipse, in pixels.
        reach = math.hypot(x - cx, y - cy) / n
        return abs(math.hypot(x - cx, y - cy) - reach) <= width / 2
    return inside


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def grown(shape, by):
    """The shape and everything within `by` pixels of it (eight directions are enough at icon sizes)."""
    offsets = [(by * math.cos(k * math.pi / 4), by * math.sin(k * math.pi / 4)) for k in range(8)]
    return lambda x, y: shape(x, y) or any(shape(x + ox, y + oy) for ox, oy in offsets)


# Pictures.

WAVE_ANGLE = 42

# The signal symbol per icon size: centre, dot radius, band width and the three arcs' radii. Chosen by
# hand so that the gaps between the bands stay at least a pixel and a half wide at 16 pixels.
WAVE_GEOMETRY = {
    16: ((8.0, 13.3), 1.7, 1.6, (4.3, 7.5, 10.7)),
    32: ((16.0, 27.0), 3.0, 3.2, (8.5, 15.0, 21.5)),
}


def waves(c, size, lit, color, ghost=None, outline=None):
    """The signal symbol: a dot and three arcs; the first `lit` arcs in `color`, the others in `ghost`
    (or left out). The outline, drawn only from 32 pixels up, keeps the lit parts apart from any
    taskbar colour."""
    (cx, cy), dot_r, width, radii = WAVE_GEOMETRY[size]
    parts = [(disc(cx, cy, dot_r), True)] + [(arc(cx, cy, r, width, WAVE_ANGLE), i < lit)
                                             for i, r in enumerate(radii)]
    if outline and size >= 32:
        for shape, on in parts:
            if on:
                c.fill(grown(shape, 0.8), outline, 0.5)
    for shape, on in parts:
        if on:
            c.fill(shape, color)
        elif ghost:
            c.fill(shape, ghost, 0.75)


def tray_icon(size, state):
    c = Canvas(size, size)
    if state == "scanning":
        waves(c, size, 3, hexrgb("#8c939b"), outline=hexrgb("#4b5057"))
    elif state == "good":
        waves(c, size, 3, vertical(hexrgb("#2fbf5b"), hexrgb("#1f7fd0"), size * 0.1, size * 0.9),
              outline=hexrgb("#0f3d5c"))
    else:
        waves(c, size, 1, hexrgb("#f0a020"), ghost=hexrgb("#b9bdc2"), outline=hexrgb("#6b4a10"))
    return c


def program_icon(size):
    """A USB wireless adapter: a blue stick with a silver plug and white waves on its body."""
    c = Canvas(size, size)
    s = size
    body = rounded_rect(s * 0.17, s * 0.03, s * 0.83, s * 0.74, s * 0.14)
    c.fill(grown(body, max(0.6, s * 0.02)), hexrgb("#0b2d5e"))
    c.fill(body, vertical(hexrgb("#3f8ee6"), hexrgb("#154f9e"), s * 0.03, s * 0.74))
    plug = rect(s * 0.3, s * 0.74, s * 0.7, s * 0.98)
    c.fill(grown(plug, max(0.5, s * 0.015)), hexrgb("#55595e"))
    c.fill(plug, vertical(hexrgb("#e4e7ea"), hexrgb("#a9aeb4"), s * 0.74, s * 0.98))
    if size >= 32:
        for hx in (0.38, 0.54):
            c.fill(rect(s * hx, s * 0.82, s * (hx + 0.08), s * 0.88), hexrgb("#4a4f55"))
    lit = 2 if size < 32 else 3
    sc = size * (0.62 if size < 32 else 0.5)
    cx, cy = s * 0.5, s * 0.6
    width = max(1.4, sc * 0.12)
    radii = [sc * 0.3, sc * 0.55, sc * 0.8][:lit]
    c.fill(disc(cx, cy, max(1.2, sc * 0.1)), (1, 1, 1))
    for r in radii:
        c.fill(arc(cx, cy, r, width, WAVE_ANGLE), (1, 1, 1))
    return c


def signal_segment(lit):
    """One of the eight segments of the status area's signal bar."""
    c = Canvas(8, 20)
    outer = rounded_rect(0.5, 0.5, 7.5, 19.5, 1.6)
    inner = rounded_rect(1.5, 1.5, 6.5, 18.5, 1.0)
    if lit:
        c.fill(outer, hexrgb("#1c6b2a"))
        c.fill(inner, vertical(hexrgb("#7be08a"), hexrgb("#22a23a"), 1.5, 18.5))
    else:
        c.fill(outer, hexrgb("#b2b7bd"))
        c.fill(inner, vertical(hexrgb("#eef0f2"), hexrgb("#d6dadf"), 1.5, 18.5))
    return c


def internet_picture():
    """A globe with a tick: connected to the Internet. Drawn on white, the notice's background."""
    c = Canvas(48, 48, (1.0, 1.0, 1.0, 1.0))
    cx, cy, r = 22.0, 22.0, 19.0
    globe = disc(cx, cy, r)
    c.fill(disc(cx, cy, r + 1.2), hexrgb("#1a4f8f"))
    c.fill(globe, vertical(hexrgb("#5fb0f0"), hexrgb("#1f6cc0"), cy - r, cy + r))
    line = hexrgb("#e8f4ff")
    grid = [
        ellipse_ring(cx, cy, r * 0.5, r, 1.4),
        ellipse_ring(cx, cy, r * 0.85, r, 1.2),
        rect(cx - 0.7, cy - r, cx + 0.7, cy + r),
        rect(cx - r, cy - 0.7, cx + r, cy + 0.7),
        rect(cx - r, cy - r * 0.5 - 0.6, cx + r, cy - r * 0.5 + 0.6),
        rect(cx - r, cy + r * 0.5 - 0.6, cx + r, cy + r * 0.5 + 0.6),
    ]
    for shape in grid:
        c.fill(both(shape, disc(cx, cy, r - 0.6)), line, 0.85)
    # The tick badge in the lower right corner.
    bx, by, br = 36.5, 36.5, 9.5
    c.fill(disc(bx, by, br + 1.2), (1, 1, 1))
    c.fill(disc(bx, by, br), vertical(hexrgb("#4fcf64"), hexrgb("#1f9a37"), by - br, by + br))
    tick = [((bx - 5.0, by + 0.2), (bx - 1.6, by + 3.8)), ((bx - 1.6, by + 3.8), (bx + 5.0, by - 3.6))]
    for (ax, ay), (ex, ey) in tick:
        c.fill(segment(ax, ay, ex, ey, 1.3), (1, 1, 1))
    return c


def segment(ax, ay, bx, by, half_width):
    length2 = (bx - ax) ** 2 + (by - ay) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / length2))
        px, py = ax + t * (bx - ax), ay + t * (by - ay)
        return (x - px) ** 2 + (y - py) ** 2 <= half_width ** 2
    return inside


# File formats.

def ico_bytes(canvases):
    images = []
    for c in canvases:
        header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = bytearray()
        for y in reversed(range(c.h)):
            for x in range(c.w):
                r, g, b, a = c.bytes8(x, y)
                colour += bytes((b, g, r, a))
        mask_row = ((c.w + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(c.h)):
            row = bytearray(mask_row)
            for x in range(c.w):
                if c.bytes8(x, y)[3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        images.append((c, header + colour + mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in images:
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def bmp_bytes(c):
    row = (c.w * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(c.h)):
        line = bytearray()
        for x in range(c.w):
            r, g, b, _ = c.bytes8(x, y)
            line += bytes((b, g, r))
        pixels += line + bytes(row - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def chime_bytes():
    """Two bell-like notes a fourth apart, rising: G5 then C6. 16-bit PCM, mono, 22050 Hz, 0.8 s."""
    rate = 22050
    length = int(rate * 0.8)
    notes = [(0.0, 783.99), (0.17, 1046.50)]
    partials = [(1.0, 1.0), (2.0, 0.32), (3.0, 0.1), (4.2, 0.05)]
    samples = [0.0] * length
    for start, freq in notes:
        first = int(start * rate)
        for n in range(first, length):
            t = (n - first) / rate
            envelope = min(1.0, t / 0.006) * math.exp(-t / 0.16)
            value = sum(a * math.sin(2 * math.pi * freq * k * t) * math.exp(-t * k * 1.5)
                        for k, a in partials)
            samples[n] += envelope * value
    fade = int(rate * 0.04)
    for i in range(fade):
        samples[length - 1 - i] *= i / fade
    peak = max(abs(s) for s in samples)
    pcm = b"".join(struct.pack("<h", int(round(s / peak * 0.7 * 32767))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(pcm)) + pcm
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    res = os.path.join(root, "src", "res")
    outputs = {
        os.path.join(res, "KTVA7700v2.ico"): ico_bytes([program_icon(s) for s in (16, 32, 48)]),
        os.path.join(res, "TrayScanning.ico"): ico_bytes([tray_icon(s, "scanning") for s in (16, 32)]),
        os.path.join(res, "TrayGood.ico"): ico_bytes([tray_icon(s, "good") for s in (16, 32)]),
        os.path.join(res, "TrayWeak.ico"): ico_bytes([tray_icon(s, "weak") for s in (16, 32)]),
        os.path.join(res, "SignalOff.ico"): ico_bytes([signal_segment(False)]),
        os.path.join(res, "SignalOn.ico"): ico_bytes([signal_segment(True)]),
        os.path.join(res, "ConnectInternet.bmp"): bmp_bytes(internet_picture()),
        os.path.join(root, "data", "ConnectToInternet.WAV"): chime_bytes(),
    }
    for path, data in outputs.items():
        with open(path, "wb") as out:
            out.write(data)
        print(path, len(data), "bytes")


if __name__ == "__main__":
    main()
