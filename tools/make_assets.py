#!/usr/bin/env python3
"""Draws the game's pictures and makes its bonus sound.

Writes into assets/: the five car pictures and the window icon as 32 x 32,
16-colour .ico files, the window icon as PNG files for the desktop's icon theme
(icons/SIZE/vandrel.png), and TimeBonus.wav, a short chime in 16-bit PCM.
Run it again after changing a drawing; its output is committed.
"""

import math
import os
import struct
import wave
import zlib

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, RED, LIME, YELLOW, BLUE, AQUA, WHITE = 0, 7, 8, 9, 10, 11, 12, 14, 15

# One outline for every car, seen from above with its front at the top: 20 pixels
# wide (columns 6 to 25 of the icon), 31 long. b body, f window frame, w window,
# l light, t tyre, . transparent.
CAR = [
    "....bbbbbbbbbbbb....",
    "..bbllbbbbbbbbllbb..",
    ".bbbllbbbbbbbbllbbb.",
    ".bbbbbbbbbbbbbbbbbb.",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    ".bbbbbbbbbbbbbbbbbb.",
    ".bbffffffffffffffbb.",
    ".bfwwwwwwwwwwwwwwfb.",
    ".bfwwwwwwwwwwwwwwfb.",
    ".bffwwwwwwwwwwwwffb.",
    ".bbffffffffffffffbb.",
    ".bfbbbbbbbbbbbbbbfb.",
    ".bfbbbbbbbbbbbbbbfb.",
    ".bfbbbbbbbbbbbbbbfb.",
    ".bfbbbbbbbbbbbbbbfb.",
    ".bfbbbbbbbbbbbbbbfb.",
    ".bbffffffffffffffbb.",
    ".bffwwwwwwwwwwwwffb.",
    ".bfwwwwwwwwwwwwwwfb.",
    ".bbffffffffffffffbb.",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    "tbbbbbbbbbbbbbbbbbbt",
    ".bbbbbbbbbbbbbbbbbb.",
    ".bbbllbbbbbbbbllbbb.",
    "..bbllbbbbbbbbllbb..",
    "....bbbbbbbbbbbb....",
]
assert len(CAR) == 31 and all(len(row) == 20 for row in CAR)

# Colours of each car: body, frame, window, light, tyre.
CARS = {
    "car-player.ico": dict(b=BLACK, f=SILVER, w=BLACK, l=YELLOW, t=GREY),
    "car-racer0.ico": dict(b=AQUA, f=BLACK, w=BLACK, l=AQUA, t=GREY),
    "car-racer1.ico": dict(b=LIME, f=BLACK, w=BLACK, l=LIME, t=GREY),
    "car-racer2.ico": dict(b=RED, f=BLACK, w=BLACK, l=RED, t=GREY),
    "car-racer3.ico": dict(b=YELLOW, f=BLACK, w=BLACK, l=YELLOW, t=GREY),
}


def car_pixels(colours):
    """32 x 32 palette indices, None for transparent."""
    pixels = [[None] * 32 for _ in range(32)]
    for y, row in enumerate(CAR):
        for x, kind in enumerate(row):
            if kind != ".":
                pixels[y][6 + x] = colours[kind]
    return pixels


def icon_pixels():
    """The window icon: a light grey road with white dashes on a blue tile, and a
    black car on it. The tile keeps a margin of a sixteenth of the canvas on every
    side, as the desktops' icon guidelines ask."""
    pixels = [[None] * 32 for _ in range(32)]
    for y in range(2, 30):
        for x in range(2, 30):
            # A tile with its corners cut, so it reads as rounded.
            corner = min(x - 2, 29 - x) + min(y - 2, 29 - y)
            if corner >= 3:
                pixels[y][x] = BLUE
    for y in range(4, 28):
        for x in range(9, 23):
            pixels[y][x] = SILVER
        pixels[y][8] = pixels[y][23] = WHITE
        if (y // 4) % 2 == 0:
            pixels[y][15] = pixels[y][16] = WHITE
    small_car = [
        ".bbbb.",
        "bbyybb",
        "bwwwwb",
        "bbbbbb",
        "bbbbbb",
        "bwwwwb",
        "bbbbbb",
        ".bbbb.",
    ]
    for dy, row in enumerate(small_car):
        for dx, kind in enumerate(row):
            if kind != ".":
                pixels[16 + dy][17 + dx] = {"b": BLACK, "w": SILVER, "y": WHITE}[kind]
    return pixels


def write_ico(path, pixels):
    """A 32 x 32, 4-bit icon: 766 bytes with its AND mask for transparency."""
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(32)):  # bottom-up
        row = pixels[y]
        nibbles = [0 if p is None else p for p in row]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2)))
        mask = 0
        for x in range(32):
            if row[x] is None:
                mask |= 1 << (31 - x)
        and_rows.append(struct.pack(">I", mask))
    image = (struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, 640, 0, 0, 16, 0)
             + palette + b"".join(xor_rows) + b"".join(and_rows))
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    data = header + entry + image
    assert len(data) == 766
    with open(path, "wb") as out:
        out.write(data)


def write_png(path, pixels, size):
    """The 32 x 32 picture scaled to size x size without smoothing, as RGBA PNG."""
    rows = []
    for y in range(size):
        row = bytearray([0])  # no filter
        for x in range(size):
            p = pixels[y * 32 // size][x * 32 // size]
            row += bytes(PALETTE[p]) + b"\xff" if p is not None else b"\0\0\0\0"
        rows.append(bytes(row))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    data = (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
            + chunk(b"IEND", b""))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]


def write_chime(path):
    """Two bell-like notes a fourth apart, rising: a bright, short 'got it'."""
    rate = 22050
    notes = [(0.0, 1318.51), (0.09, 1760.0)]  # E6, then A6
    length = 0.55
    samples = []
    for n in range(int(rate * length)):
        t = n / rate
        value = 0.0
        for start, frequency in notes:
            if t >= start:
                u = t - start
                envelope = math.exp(-u * 7.0) * min(1.0, u / 0.004)
                value += envelope * (math.sin(2 * math.pi * frequency * u)
                                     + 0.35 * math.sin(2 * math.pi * 2.76 * frequency * u)
                                     * math.exp(-u * 12.0))
        fade = min(1.0, (length - t) / 0.05)
        samples.append(int(max(-1.0, min(1.0, 0.38 * value * fade)) * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    os.makedirs(ASSETS, exist_ok=True)
    for name, colours in CARS.items():
        write_ico(os.path.join(ASSETS, name), car_pixels(colours))
    icon = icon_pixels()
    write_ico(os.path.join(ASSETS, "vandrel.ico"), icon)
    for size in ICON_SIZES:
        write_png(os.path.join(ASSETS, "icons", str(size), "vandrel.png"), icon, size)
    write_chime(os.path.join(ASSETS, "TimeBonus.wav"))


if __name__ == "__main__":
    main()
