#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the library of meter symbols that a plate may carry as pictures: the kind of current,
the measuring system, the test voltage, the working position and the accuracy class, each a
vector drawing in symbols/.

Drawn as the dial symbols are (make_symbols.py): black strokes of 0.36 mm, the view box in
drawing units of 0.01 mm, so that a symbol's view box width is its natural width on the plate.
Run from this folder; the build only copies the results.
"""
import math
import os

from make_symbols import STROKE, Picture, figure_five, figure_one, figure_two


class Drawing(Picture):
    """A picture kept as vectors only: the library ships no bitmaps."""

    def _paint(self, box, inside):
        pass

    def circle(self, centre, radius, w=STROKE):
        cx, cy = centre
        self.elements.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{radius:g}" fill="none" '
                             f'stroke="black" stroke-width="{w:g}"/>')

    def polygon(self, points):
        """A filled shape."""
        d = 'M' + ' L'.join(f'{x:.3f},{y:.3f}'.replace('.000', '') for x, y in points) + ' Z'
        self.elements.append(f'<path d="{d}"/>')


def figure_zero(p, x, y, h, w=STROKE):
    width = h * 0.6
    r = width / 2
    p.arc((x + r, y + r), r, 0, 180, w)
    p.line((x, y + r), (x, y + h - r), w)
    p.arc((x + r, y + h - r), r, 180, 180, w)
    p.line((x + width, y + h - r), (x + width, y + r), w)


def figure_six(p, x, y, h, w=STROKE):
    r = h * 0.31
    p.circle((x + r, y + h - r), r, w)
    # The stem: from the bowl's left side up and over towards the right.
    p.arc((x + h - r, y + h - r), h - r, 180, -70, w)


def decimal_point(p, x, y):
    p.disc((x, y), 26)


def wave(p, left, right, middle, height, w=STROKE, steps=48):
    """One period of a sine wave: the tilde of alternating current."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        points.append((left + (right - left) * t, middle - height / 2 * math.sin(2 * math.pi * t)))
    p.polyline(points, w)


def make_direct():
    p = Drawing(600, 200)
    p.rect(40, 80, 560, 80 + STROKE + 4)
    return p


def make_alternating():
    p = Drawing(600, 280)
    wave(p, 50, 550, 140, 180)
    return p


def make_both():
    p = Drawing(600, 420)
    p.rect(40, 60, 560, 60 + STROKE + 4)
    wave(p, 50, 550, 290, 180)
    return p


def make_moving_coil():
    """The permanent magnet as a horseshoe open at the bottom, the coil a frame inside it."""
    p = Drawing(440, 470)
    p.arc((220, 220), 175, 0, 180)
    p.line((45, 220), (45, 445))
    p.line((395, 220), (395, 445))
    p.polyline([(180, 150), (260, 150), (260, 400), (180, 400)], closed=True)
    return p


def make_moving_iron():
    """The fixed coil in section, crossed by the iron vane."""
    p = Drawing(520, 460)
    p.polyline([(90, 150), (430, 150), (430, 310), (90, 310)], closed=True)
    p.line((110, 420), (410, 40), w=70)
    return p


def make_rectifier():
    """A diode: the triangle pointing at the bar, with its two leads."""
    p = Drawing(640, 360)
    tip = 400
    p.polyline([(180, 60), (tip, 180), (180, 300)], closed=True)
    p.line((tip, 50), (tip, 310))
    p.line((30, 180), (180, 180))
    p.line((tip, 180), (610, 180))
    return p


def make_electrodynamic():
    """The fixed coil as a circle, the moving coil as its diameter."""
    p = Drawing(480, 480)
    p.circle((240, 240), 205)
    p.line((35, 240), (445, 240))
    return p


def star(p, cx, cy, outer, w=28):
    inner = outer * 0.5
    points = []
    for i in range(10):
        a = math.radians(90 + 36 * i)
        r = outer if i % 2 == 0 else inner
        points.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    p.polyline(points, w=w, closed=True)


def make_test_voltage_plain():
    """Tested at 500 V: the star alone."""
    p = Drawing(560, 540)
    star(p, 280, 290, 265)
    return p


def make_test_voltage_two():
    """Tested at 2 kV: the star with the figure 2 in it."""
    p = Drawing(560, 540)
    star(p, 280, 290, 265)
    figure_two(p, 280 - 42, 290 - 64, 136, w=26)
    return p


def make_vertical():
    """Working position with the dial upright: an upright line standing on a level one."""
    p = Drawing(460, 460)
    p.line((230, 40), (230, 420))
    p.line((40, 420), (420, 420))
    return p


def make_horizontal():
    """Working position with the dial level: a level line on two short legs."""
    p = Drawing(460, 240)
    p.line((40, 60), (420, 60))
    p.line((40, 60), (40, 190))
    p.line((420, 60), (420, 190))
    return p


def make_inclined():
    """Working position with the dial inclined at 60 degrees: the angle and its figure."""
    p = Drawing(940, 460)
    base = (40, 420)
    length = 420
    top = (base[0] + length * math.cos(math.radians(60)), base[1] - length * math.sin(math.radians(60)))
    p.line(base, (470, 420))
    p.line(base, top)
    p.arc(base, 200, 0, 60, w=28)
    # "60°" to the right of the angle.
    h, y = 240, 180
    figure_six(p, 520, y, h, w=30)
    figure_zero(p, 700, y, h, w=30)
    p.circle((890, y + 24), 26, w=24)
    return p


def make_class(first, second):
    """An accuracy class such as 1.5 in a circle."""
    p = Drawing(700, 700)
    p.circle((350, 350), 320)
    h = 260
    top = 350 - h / 2
    # Each figure's drawn span from where it starts, as a fraction of its height.
    spans = {1: (0.05, 0.35), 2: (0.0, 0.62), 5: (0.04, 0.62)}
    figures = {1: figure_one, 2: figure_two, 5: figure_five}
    gap = 55  # between a figure's stroke and the point's centre
    first_width = (spans[first][1] - spans[first][0]) * h
    second_width = (spans[second][1] - spans[second][0]) * h
    left = 350 - (first_width + 2 * gap + second_width) / 2
    figures[first](p, left - spans[first][0] * h, top, h)
    point_x = left + first_width + gap
    decimal_point(p, point_x, top + h - 22)
    figures[second](p, point_x + gap - spans[second][0] * h, top, h)
    return p


LIBRARY = (
    ('direct-current', make_direct),
    ('alternating-current', make_alternating),
    ('direct-and-alternating-current', make_both),
    ('moving-coil', make_moving_coil),
    ('moving-iron', make_moving_iron),
    ('rectifier', make_rectifier),
    ('electrodynamic', make_electrodynamic),
    ('test-voltage-500v', make_test_voltage_plain),
    ('test-voltage-2kv', make_test_voltage_two),
    ('position-vertical', make_vertical),
    ('position-horizontal', make_horizontal),
    ('position-inclined-60', make_inclined),
    ('class-1.5', lambda: make_class(1, 5)),
    ('class-2.5', lambda: make_class(2, 5)),
)

if __name__ == '__main__':
    os.makedirs('symbols', exist_ok=True)
    for name, make in LIBRARY:
        make().save_svg(os.path.join('symbols', name + '.svg'))
