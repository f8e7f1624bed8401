#!/usr/bin/env python3
"""Draws Keyvane's icon (src/res/keyvane.ico) and the Help menu bitmap
(src/res/help.bmp). Both results are committed; run this only to change them."""
import math
import os
import struct

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "res")
SUPER = 4  # samples per pixel side


def render(size, shade):
    """shade(u, v) -> (r, g, b, a) with u, v in [0, 1); averaged over SUPER^2 samples."""
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUPER):
                for sx in range(SUPER):
                    u = (x + (sx + 0.5) / SUPER) / size
                    v = (y + (sy + 0.5) / SUPER) / size
                    r, g, b, a = shade(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SUPER * SUPER
            a = acc[3] / n
            if a > 0:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def rounded_box(u, v, x0, y0, x1, y1, radius):
    cx = min(max(u, x0 + radius), x1 - radius)
    cy = min(max(v, y0 + radius), y1 - radius)
    return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2 and x0 <= u <= x1 and y0 <= v <= y1


def segment_distance(u, v, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(u - (ax + t * dx), v - (ay + t * dy))


def key_icon(u, v):
    """A key cap seen from above, with an arrow pressing down on it."""
    if rounded_box(u, v, 0.04, 0.10, 0.96, 0.96, 0.16):
        if rounded_box(u, v, 0.14, 0.16, 0.86, 0.80, 0.10):
            # the arrow: a shaft and a head
            if segment_distance(u, v, 0.5, 0.26, 0.5, 0.62) < 0.07:
                return (255, 255, 255, 1)
            if segment_distance(u, v, 0.32, 0.46, 0.5, 0.66) < 0.065 or \
               segment_distance(u, v, 0.68, 0.46, 0.5, 0.66) < 0.065:
                return (255, 255, 255, 1)
            return (52, 120, 200, 1)
        return (28, 64, 120, 1)
    return (0, 0, 0, 0)


def help_bitmap(u, v):
    bg = (240, 238, 225, 1)
    d = math.hypot(u - 0.5, v - 0.5)
    if d > 0.47:
        return bg
    # question mark: an arc, a stem and a dot
    arc = abs(math.hypot(u - 0.5, v - 0.37) - 0.15) < 0.06 and not (v > 0.37 and u < 0.5)
    stem = segment_distance(u, v, 0.55, 0.5, 0.5, 0.6) < 0.06
    dot = math.hypot(u - 0.5, v - 0.78) < 0.07
    if arc or stem or dot:
        return (255, 255, 255, 1)
    return (30, 90, 200, 1)


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - rgb[k]) ** 2 for k in range(3)))


def row_bytes(bits, width):
    return ((bits * width + 31) // 32) * 4


def icon_image(size, bpp):
    pixels = render(size, key_icon)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, 0, 0, 0, 0, 0)
    palette = b""
    xor = b""
    if bpp == 32:
        for y in reversed(range(size)):
            for r, g, b, a in pixels[y]:
                xor += struct.pack("BBBB", int(b), int(g), int(r), int(round(a * 255)))
    else:
        if bpp == 4:
            colours = VGA16
        else:
            colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
            colours += [(i * 10, i * 10, i * 10) for i in range(1, 26)]
            colours += [(0, 0, 0)] * (256 - len(colours))
        palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours)
        for y in reversed(range(size)):
            indexes = [nearest(colours, p) if p[3] >= 0.5 else 0 for p in pixels[y]]
            if bpp == 8:
                line = bytes(indexes)
            else:
                line = bytes((indexes[i] << 4) | (indexes[i + 1] if i + 1 < size else 0)
                             for i in range(0, size, 2))
            xor += line + b"\0" * (row_bytes(bpp, size) - len(line))
    mask = b""
    for y in reversed(range(size)):
        line = bytearray(row_bytes(1, size))
        for x, p in enumerate(pixels[y]):
            if p[3] < 0.5:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + palette + xor + mask


def write_icon(path):
    images = [(s, bpp, icon_image(s, bpp)) for bpp in (4, 8, 32) for s in (16, 32, 48)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        colours = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in images)
    with open(path, "wb") as f:
        f.write(out)


def write_bitmap(path):
    size = 20
    pixels = render(size, help_bitmap)
    stride = row_bytes(24, size)
    data = b""
    for y in reversed(range(size)):
        line = b"".join(struct.pack("BBB", int(b), int(g), int(r)) for r, g, b, _ in pixels[y])
        data += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + data)


if __name__ == "__main__":
    write_icon(os.path.join(RES, "keyvane.ico"))
    write_bitmap(os.path.join(RES, "help.bmp"))
