#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the dial symbols as 1-bit bitmaps Data.bmp, Romb.bmp and Others.bmp and, from the same
shapes, as vector drawings Data.svg, Romb.svg and Others.svg.

One image pixel is one drawing unit (0.01 mm) at the standard division radius, so the images
are sized in hundredths of a millimetre; the drawings' view boxes are the bitmaps' sizes in the
same units. The program draws the vector drawings and keeps the bitmaps for when those are
missing. Run from this folder; the build only copies the results, so nothing here is needed to
build the program.
"""
import math
import struct

STROKE = 36  # 0.36 mm lines


def _n(value):
    """A coordinate as SVG text: three decimals at most, no trailing zeros."""
    text = f'{value:.3f}'.rstrip('0').rstrip('.')
    return '0' if text == '-0' else text


def _p(point):
    return f'{_n(point[0])},{_n(point[1])}'


class Picture:
    """A white picture with black shapes; coordinates are pixels, y down, angles y up."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.black = [bytearray(width) for _ in range(height)]
        self.elements = []  # the same shapes as SVG elements

    def _paint(self, box, inside):
        x0, y0, x1, y1 = box
        for y in range(max(0, int(y0)), min(self.height, int(math.ceil(y1)) + 1)):
            row = self.black[y]
            for x in range(max(0, int(x0)), min(self.width, int(math.ceil(x1)) + 1)):
                if inside(x + 0.5, y + 0.5):
                    row[x] = 1

    def _stroke(self, d, w):
        self.elements.append(f'<path d="{d}" fill="none" stroke="black" stroke-width="{_n(w)}" '
                             'stroke-linecap="round" stroke-linejoin="round"/>')

    def line(self, a, b, w=STROKE):
        self._segment(a, b, w)
        self._stroke(f'M{_p(a)} L{_p(b)}', w)

    def _segment(self, a, b, w):
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1.0
        r = w / 2.0

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            px, py = ax + t * dx - x, ay + t * dy - y
            return px * px + py * py <= r * r

        self._paint((min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r), inside)

    def polyline(self, points, w=STROKE, closed=False):
        pts = list(points) + ([points[0]] if closed else [])
        for a, b in zip(pts, pts[1:]):
            self._segment(a, b, w)
        d = f'M{_p(points[0])} ' + ' '.join(f'L{_p(q)}' for q in points[1:])
        self._stroke(d + (' Z' if closed else ''), w)

    def arc(self, centre, radius, start, sweep, w=STROKE, steps=96):
        """Counterclockwise (as seen) from start degrees through sweep degrees."""
        cx, cy = centre
        pts = []
        for i in range(steps + 1):
            a = math.radians(start + sweep * i / steps)
            pts.append((cx + radius * math.cos(a), cy - radius * math.sin(a)))
        for a, b in zip(pts, pts[1:]):
            self._segment(a, b, w)
        # Counterclockwise as seen is the negative sense of SVG's y-down arcs.
        large = 1 if abs(sweep) > 180 else 0
        sense = 0 if sweep > 0 else 1
        self._stroke(f'M{_p(pts[0])} A{_n(radius)},{_n(radius)} 0 {large} {sense} {_p(pts[-1])}',
                     w)

    def disc(self, centre, radius):
        cx, cy = centre
        self._paint((cx - radius, cy - radius, cx + radius, cy + radius),
                    lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius)
        self.elements.append(f'<circle cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(radius)}"/>')

    def rect(self, x0, y0, x1, y1):
        self._paint((x0, y0, x1 - 1, y1 - 1), lambda x, y: x0 <= x < x1 and y0 <= y < y1)
        self.elements.append(f'<rect x="{_n(x0)}" y="{_n(y0)}" width="{_n(x1 - x0)}" '
                             f'height="{_n(y1 - y0)}"/>')

    def save_svg(self, path):
        """Black shapes on nothing, in a view box of the bitmap's size."""
        lines = ['<?xml version="1.0" encoding="UTF-8"?>',
                 f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
                 f'width="{_n(self.width / 100)}mm" height="{_n(self.height / 100)}mm" '
                 f'viewBox="0 0 {self.width} {self.height}">']
        lines += ['  ' + e for e in self.elements]
        lines.append('</svg>')
        with open(path, 'w', encoding='ascii', newline='\n') as f:
            f.write('\n'.join(lines) + '\n')

    def save_bmp(self, path):
        row_bytes = (self.width + 31) // 32 * 4
        data = bytearray()
        for y in reversed(range(self.height)):  # bottom row first
            row = bytearray(row_bytes)
            for x in range(self.width):
                if not self.black[y][x]:  # bit 1 is white
                    row[x >> 3] |= 0x80 >> (x & 7)
            data += row
        per_metre = 100000  # one pixel per 0.01 mm
        header = struct.pack('<2sIHHI', b'BM', 62 + len(data), 0, 0, 62)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 1, 0, len(data),
                           per_metre, per_metre, 0, 0)
        palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
        with open(path, 'wb') as f:
            f.write(header + info + palette + data)


# Figures drawn with strokes in a box whose top-left corner is (x, y), h high.
def figure_one(p, x, y, h):
    w = h * 0.5
    p.line((x + w * 0.7, y), (x + w * 0.7, y + h))
    p.line((x + w * 0.7, y), (x + w * 0.1, y + h * 0.28))


def figure_two(p, x, y, h, w=STROKE):
    width = h * 0.62
    r = width / 2
    p.arc((x + r, y + r), r, 165, -200, w)
    end = (x + r + r * math.cos(math.radians(-35)), y + r - r * math.sin(math.radians(-35)))
    p.polyline([end, (x, y + h), (x + width, y + h)], w)


def figure_five(p, x, y, h):
    w = h * 0.62
    r = h * 0.32
    centre = (x + w - r, y + h - r)
    top_of_bowl = (centre[0] + r * math.cos(math.radians(130)),
                   centre[1] - r * math.sin(math.radians(130)))
    p.polyline([(x + w, y), (x + w * 0.12, y), (x + w * 0.04, y + h * 0.47), top_of_bowl])
    p.arc(centre, r, 130, -270)


def make_data():
    """Moving-coil system with a permanent magnet, and direct current."""
    p = Picture(720, 460)
    # The magnet: a horseshoe open at the bottom, the coil a narrow upright frame inside it.
    p.arc((215, 215), 175, 0, 180)
    p.line((40, 215), (40, 440))
    p.line((390, 215), (390, 440))
    p.polyline([(175, 150), (255, 150), (255, 400), (175, 400)], closed=True)
    # Direct current: a horizontal bar.
    p.rect(480, 205, 700, 205 + STROKE + 4)
    return p


def make_romb():
    """Test voltage 2 kV: a five-pointed star with the figure 2 in it."""
    p = Picture(560, 540)
    cx, cy, outer = 280, 290, 265
    inner = outer * 0.5
    points = []
    for i in range(10):
        a = math.radians(90 + 36 * i)
        r = outer if i % 2 == 0 else inner
        points.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    p.polyline(points, w=28, closed=True)
    figure_two(p, cx - 42, cy - 64, 136, w=26)
    return p


def make_others():
    """Accuracy class 1.5 and the upright working position."""
    p = Picture(850, 460)
    h, top = 380, 40
    figure_one(p, 20, top, h)
    p.disc((250, top + h - 22), 26)
    figure_five(p, 300, top, h)
    # Working position upright: a vertical line standing on a horizontal one.
    p.line((730, top), (730, top + h))
    p.line((630, top + h), (830, top + h))
    return p


if __name__ == '__main__':
    for name, make in (('Data', make_data), ('Romb', make_romb), ('Others', make_others)):
        picture = make()
        picture.save_bmp(name + '.bmp')
        picture.save_svg(name + '.svg')
