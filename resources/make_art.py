#!/usr/bin/env python3
"""Draws the program's own icon and pictures: a dark tile with a green pulse over a grid.

Writes pulsegrid.ico (32-bit images of 16, 32, 48 and 64 pixels, and 256 as PNG for Explorer),
picture131.jpg (the about box's banner, 340 pixels wide) and picture132.jpg. Pure Python but for
the JPEG step, which needs cjpeg, or the project's own cjpeg.exe under Wine. Run it again after
changing the art:
    (source scripts/env.sh; python3 resources/make_art.py)
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BACK_TOP = (38, 44, 56)
BACK_BOTTOM = (14, 17, 24)
GRID = (52, 66, 84)
PULSE = (64, 230, 120)
GLOW = (40, 140, 80)
BAR = (70, 150, 230)
TEXT = (230, 236, 244)

# The pulse as points in a unit square (x right, y down).
PULSE_POINTS = [(0.08, 0.58), (0.30, 0.58), (0.38, 0.40), (0.46, 0.78), (0.56, 0.22),
                (0.64, 0.66), (0.70, 0.58), (0.92, 0.58)]


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def polyline_distance(px, py, points):
    return min(segment_distance(px, py, *points[i], *points[i + 1]) for i in range(len(points) - 1))


def inside_rounded(px, py, w, h, r):
    qx = min(px, w - px)
    qy = min(py, h - py)
    if qx < 0 or qy < 0:
        return False
    if qx >= r or qy >= r:
        return True
    return math.hypot(r - qx, r - qy) <= r


def icon_pixel(x, y, size):
    """The colour and coverage of one icon sample (x, y in pixels, floating)."""
    radius = size * 0.18
    if not inside_rounded(x, y, size, size, radius):
        return None
    u, v = x / size, y / size
    colour = mix(BACK_TOP, BACK_BOTTOM, v)
    # The grid only where it can still be seen.
    if size >= 32:
        cells = 4
        fu, fv = (u * cells) % 1.0, (v * cells) % 1.0
        line = 1.0 / size * cells * 0.9
        if fu < line or fv < line:
            colour = mix(colour, GRID, 0.8)
    # Half the stroke: about a pixel and a half of line at the small sizes, and no glow there to
    # blur it.
    width = max(0.04, 0.75 / size)
    d = polyline_distance(u, v, PULSE_POINTS)
    if size >= 32 and d < width * 2.2:
        colour = mix(colour, GLOW, 0.45)
    if d < width:
        colour = PULSE
    return colour


def render(width, height, sample, samples=4):
    """RGBA rows, each sample of a pixel averaged; None from sample means transparent."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = sample(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
                    if c is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += c[i]
            if covered:
                rgb = tuple(int(round(t / covered)) for t in total)
                alpha = int(round(255 * covered / (samples * samples)))
            else:
                rgb, alpha = (0, 0, 0), 0
            row.append(rgb + (alpha,))
        rows.append(row)
    return rows


def bmp_icon_image(rows):
    """An icon directory image: a 32-bit BITMAPINFOHEADER DIB (height doubled) with its AND mask."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def png_image(rows):
    width, height = len(rows[0]), len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def write_icon(path, sizes):
    images = []
    for size in sizes:
        rows = render(size, size, lambda x, y, s=size: icon_pixel(x, y, s), 4 if size <= 64 else 2)
        images.append((size, png_image(rows) if size >= 256 else bmp_icon_image(rows)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        side = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


# A 5 by 7 pixel face for the banner's name, drawn large.
GLYPHS = {
    'P': ['1111.', '1...1', '1...1', '1111.', '1....', '1....', '1....'],
    'U': ['1...1', '1...1', '1...1', '1...1', '1...1', '1...1', '.111.'],
    'L': ['1....', '1....', '1....', '1....', '1....', '1....', '11111'],
    'S': ['.1111', '1....', '1....', '.111.', '....1', '....1', '1111.'],
    'E': ['11111', '1....', '1....', '1111.', '1....', '1....', '11111'],
    'G': ['.1111', '1....', '1....', '1.111', '1...1', '1...1', '.111.'],
    'R': ['1111.', '1...1', '1...1', '1111.', '1.1..', '1..1.', '1...1'],
    'I': ['11111', '..1..', '..1..', '..1..', '..1..', '..1..', '11111'],
    'D': ['1111.', '1...1', '1...1', '1...1', '1...1', '1...1', '1111.'],
}


def text_covers(text, x, y, left, top, cell):
    """Whether the point lies on the text drawn from (left, top) with square cells of that size."""
    gx = int((x - left) // cell)
    gy = int((y - top) // cell)
    if gy < 0 or gy >= 7 or gx < 0:
        return False
    index, column = divmod(gx, 6)
    if index >= len(text) or column == 5:
        return False
    return GLYPHS[text[index]][gy][column] == '1'


def banner_pixel(x, y, width, height, with_text):
    v = y / height
    colour = mix(BACK_TOP, BACK_BOTTOM, v)
    step = 20
    if x % step < 1 or y % step < 1:
        colour = mix(colour, GRID, 0.7)
    # Meters along the right side.
    bars = [0.45, 0.8, 0.6, 0.95, 0.35]
    bar_width, gap = 10, 6
    right = width - 16
    for i, level in enumerate(bars):
        bx = right - (len(bars) - i) * (bar_width + gap)
        top = height - 14 - level * (height - 34)
        if bx <= x < bx + bar_width and top <= y < height - 14:
            colour = mix(BAR, (200, 230, 255), (height - 14 - y) / height * 0.3)
    # The pulse across the left part.
    span = width - 16 - len(bars) * (bar_width + gap) - 12
    # Below the name, so that the two never cross.
    points = [(10 + px * span, 30 + py * (height - 34)) for px, py in PULSE_POINTS]
    d = polyline_distance(x, y, points)
    if d < 6:
        colour = mix(colour, GLOW, 0.4)
    if d < 2.2:
        colour = PULSE
    if with_text:
        cell = 3
        if text_covers('PULSEGRID', x, y, 16, 10, cell):
            colour = TEXT
    return colour


def windows_cjpeg():
    deps = os.environ.get('PULSEGRID_DEPS', '')
    path = os.path.join(deps, 'bin', 'cjpeg.exe')
    return path if deps and os.path.isfile(path) else None


def write_jpeg(path, width, height, sample):
    rows = render(width, height, sample, 3)
    with tempfile.TemporaryDirectory() as work:
        ppm = os.path.join(work, 'picture.ppm')
        with open(ppm, 'wb') as f:
            f.write(b'P6\n%d %d\n255\n' % (width, height))
            for row in rows:
                for r, g, b, _ in row:
                    f.write(bytes((r, g, b)))
        if shutil.which('cjpeg'):
            with open(path, 'wb') as out:
                subprocess.run(['cjpeg', '-quality', '90', '-optimize', ppm], stdout=out, check=True)
        elif windows_cjpeg() and shutil.which('wine'):
            # The project's own libjpeg build, under Wine; Wine sees the Unix root as drive Z:.
            def z(p):
                return 'Z:' + p.replace('/', '\\')
            subprocess.run(['wine', windows_cjpeg(), '-quality', '90', '-optimize', '-outfile', z(path), z(ppm)],
                           check=True, stderr=subprocess.DEVNULL)
        else:
            sys.exit('make_art: the JPEG step needs cjpeg, or the project\'s cjpeg.exe and Wine')


def main():
    write_icon(os.path.join(HERE, 'pulsegrid.ico'), [16, 32, 48, 64, 256])
    write_jpeg(os.path.join(HERE, 'picture131.jpg'), 340, 100,
               lambda x, y: banner_pixel(x, y, 340, 100, True))
    write_jpeg(os.path.join(HERE, 'picture132.jpg'), 128, 128,
               lambda x, y: icon_pixel(x, y, 128) or BACK_BOTTOM)


if __name__ == '__main__':
    main()
