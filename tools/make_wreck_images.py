#!/usr/bin/env python3
"""Writes the images of the wreck image list as text: res/WreckSymbols.cpp
(the wreck and obstruction symbols, the ten status symbols and the caution
symbol) and res/FlagImages.cpp (the 97 flags in flag index order, split over
the four flag strips).

Every image is 32 x 18 pixels, drawn here from a few geometric shapes
sampled at pixel centres (no anti-aliasing, so the output is the same on
every machine) and written as 18 rows of 32 palette characters. White
(255, 255, 255) is the list's mask colour; parts that must show white are
drawn in near-white (254, 254, 254).

The flag designs are simplified on purpose: at 30 x 16 pixels a flag is
recognised by its colours, stripes, crosses and one main emblem, so finer
detail (coats of arms, lettering) is reduced to a shape of its colour.

The flag order is checked against the flag name table in
src/wrecks/CountryTableData.cpp, so an image can never drift from its name.

Usage: tools/make_wreck_images.py   (run from anywhere; writes into res/)
"""

import math
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WIDTH, HEIGHT = 32, 18

# Flags are framed by a one-pixel border so that white or pale flags stand
# out against a chart; the design fills the 30 x 16 pixels inside it.
FLAG_X0, FLAG_Y0, FLAG_W, FLAG_H = 1, 1, 30, 16

# Resource ids and the split of the 97 flags over the four strips, in the
# order the image list adds them: 25 + 24 + 24 + 24.
FLAG_STRIPS = [(25503, 0, 25), (25502, 25, 49), (25500, 49, 73), (25501, 73, 97)]

PALETTE = {
    '.': (255, 255, 255),  # the mask colour: transparent
    'W': (254, 254, 254),  # white that shows
    'K': (0, 0, 0),
    'D': (64, 64, 64),      # dark grey
    'g': (128, 128, 128),   # flag border, mid grey
    's': (192, 192, 192),   # light grey
    'R': (206, 17, 38),     # red
    'M': (128, 0, 32),      # maroon
    'm': (158, 48, 57),     # carmine
    'O': (255, 136, 0),     # orange (saffron)
    'Y': (252, 209, 22),    # yellow
    'y': (200, 160, 40),    # gold
    'C': (176, 96, 48),     # copper
    'G': (0, 122, 61),      # green
    'E': (0, 64, 32),       # dark green
    'B': (0, 56, 168),      # blue
    'N': (0, 33, 71),       # navy
    'L': (117, 170, 219),   # light blue
    'A': (0, 170, 190),     # aquamarine
    'l': (200, 228, 250),   # pale blue: the danger tint of chart symbols
    'V': (110, 60, 170),    # violet
    'n': (120, 72, 24),     # brown
}
for key, (r, g, b) in PALETTE.items():
    assert key == '.' or (r, g, b) != (255, 255, 255), key


# --- shapes -------------------------------------------------------------
# A shape is a predicate over a pixel centre (x, y) in the local frame of a
# region w x h pixels wide; fractions below are of the region's width (u)
# and height (v); radii are fractions of the height so circles stay round.

def everywhere():
    return lambda x, y, w, h: True


def box(u0, v0, u1, v1):
    return lambda x, y, w, h: u0 * w <= x < u1 * w and v0 * h <= y < v1 * h


def band_h(v0, v1):
    return box(0, v0, 1, v1)


def band_v(u0, u1):
    return box(u0, 0, u1, 1)


def cross(u, v, half):
    """Upright cross centred at (u, v), arms half * h pixels either side."""
    return lambda x, y, w, h: abs(x - u * w) <= half * h or abs(y - v * h) <= half * h


def saltire(half):
    """Diagonal cross corner to corner, arms half * h pixels either side."""
    def inside(x, y, w, h):
        norm = math.hypot(w, h)
        return (abs(x * h - y * w) / norm <= half * h or
                abs(x * h - (h - y) * w) / norm <= half * h)
    return inside


def disc(u, v, r):
    return lambda x, y, w, h: math.hypot(x - u * w, y - v * h) <= r * h


def ring(u, v, r, thick):
    return lambda x, y, w, h: abs(math.hypot(x - u * w, y - v * h) - r * h) <= thick * h / 2


def crescent(u, v, r, du, r2):
    """A disc with a second disc, shifted right by du * h, cut away."""
    outer, inner = disc(u, v, r), disc(u, v, r2)
    return lambda x, y, w, h: outer(x, y, w, h) and not inner(x - du * h, y, w, h)


def polygon(points):
    """Points as (u, v) fractions; even-odd rule."""
    def inside(x, y, w, h):
        pts = [(pu * w, pv * h) for pu, pv in points]
        hit = False
        for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


def star(u, v, r, points=5, inner=0.42, turn=0.0):
    """A star with its first point up; vertices in pixel-true proportions."""
    def inside(x, y, w, h):
        pts = []
        for k in range(2 * points):
            radius = r * h * (1 if k % 2 == 0 else inner)
            a = math.pi * k / points + turn
            pts.append((u + radius * math.sin(a) / w, v - radius * math.cos(a) / h))
        return polygon(pts)(x, y, w, h)
    return inside


def triangle_outline(u, v, r, thick, flip):
    """Outline of an equilateral triangle (point up, or down when flipped)."""
    def tri(radius):
        sign = -1 if flip else 1
        corners = [(0, -radius), (radius * 0.866, radius / 2), (-radius * 0.866, radius / 2)]
        return lambda x, y, w, h: polygon(
            [(u + cx * h / w, v + sign * cy) for cx, cy in corners])(x, y, w, h)
    outer, inner = tri(r), tri(r - thick)
    return lambda x, y, w, h: outer(x, y, w, h) and not inner(x, y, w, h)


def zigzag(u, depth, teeth):
    """Hoist side of a serrated edge whose points reach u + depth."""
    pts = [(0, 0), (u, 0)]
    for k in range(teeth):
        pts.append((u + depth, (k + 0.5) / teeth))
        pts.append((u, (k + 1) / teeth))
    pts.append((0, 1))
    return polygon(pts)


def either(*shapes):
    return lambda x, y, w, h: any(s(x, y, w, h) for s in shapes)


def strokes(u, v, paths, half):
    """Polylines about a centre (u, v), their points as offsets in units of
    the height (so angles stay true), drawn half * h pixels either side."""
    def near(px, py, ax, ay, bx, by):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - ax - t * dx, py - ay - t * dy)

    def inside(x, y, w, h):
        for path in paths:
            pts = [(u * w + dx * h, v * h + dy * h) for dx, dy in path]
            if any(near(x, y, *a, *b) <= half * h for a, b in zip(pts, pts[1:])):
                return True
        return False
    return inside


def triskelion(u, v, thigh, shin):
    """Three bent legs turning about a centre, 120 degrees apart."""
    legs = []
    for k in range(3):
        a = math.radians(90 + 120 * k)
        knee = (thigh * math.cos(a), thigh * math.sin(a))
        b = a + math.radians(70)
        foot = (knee[0] + shin * math.cos(b), knee[1] + shin * math.sin(b))
        legs.append([(0, 0), knee, foot])
    return strokes(u, v, legs, 0.055)


def pixels(points):
    """Single pixels at (u, v) fractions: stars too small to draw as stars."""
    spots = list(points)
    return lambda x, y, w, h: any(int(x) == int(pu * w) and int(y) == int(pv * h) for pu, pv in spots)


def glyph(rows, u, v):
    """A small pixel-art glyph, '#' set, its centre at (u, v)."""
    gh, gw = len(rows), len(rows[0])
    def inside(x, y, w, h):
        gx = int(math.floor(x - (u * w - gw / 2)))
        gy = int(math.floor(y - (v * h - gh / 2)))
        return 0 <= gx < gw and 0 <= gy < gh and rows[gy][gx] == '#'
    return inside


# --- drawing ------------------------------------------------------------
# A design is a list of layers, painted in order: (colour key, shape), or
# ('region', (u0, v0, u1, v1), design) for a design drawn inside a part of
# the flag (a canton).

def paint(canvas, design, x0, y0, w, h):
    for layer in design:
        if layer[0] == 'region':
            u0, v0, u1, v1 = layer[1]
            rx0, ry0 = x0 + round(u0 * w), y0 + round(v0 * h)
            rx1, ry1 = x0 + round(u1 * w), y0 + round(v1 * h)
            paint(canvas, layer[2], rx0, ry0, rx1 - rx0, ry1 - ry0)
            continue
        key, shape = layer
        for py in range(y0, y0 + h):
            for px in range(x0, x0 + w):
                if shape(px - x0 + 0.5, py - y0 + 0.5, w, h):
                    canvas[py][px] = key


def blank(key, width=WIDTH, height=HEIGHT):
    return [[key] * width for _ in range(height)]


def flag_image(design):
    canvas = blank('g')
    paint(canvas, design, FLAG_X0, FLAG_Y0, FLAG_W, FLAG_H)
    return canvas


def symbol_image(design, width=WIDTH, height=HEIGHT):
    canvas = blank('.', width, height)
    paint(canvas, design, 0, 0, width, height)
    return canvas


# --- flag designs ---------------------------------------------------------

def stripes(band, keys, weights):
    """Bands of the given colours across the flag, sized by their weights."""
    weights = weights or [1] * len(keys)
    total, at, layers = sum(weights), 0, []
    for key, weight in zip(keys, weights):
        layers.append((key, band(at / total, (at + weight) / total)))
        at += weight
    return layers


def h_stripes(keys, weights=None):
    return stripes(band_h, keys, weights)


def v_stripes(keys, weights=None):
    return stripes(band_v, keys, weights)


def nordic(field, outer, inner=None):
    """A cross set towards the hoist, optionally with a narrower inner cross."""
    layers = [(field, everywhere()), (outer, cross(0.36, 0.5, 0.16 if inner else 0.1))]
    if inner:
        layers.append((inner, cross(0.36, 0.5, 0.07)))
    return layers


GEORGE_CROSS = ['..###..', '..###..', '#######', '#######', '#######', '..###..', '..###..']

UNION = [('B', everywhere()), ('W', saltire(0.1)), ('R', saltire(0.04)),
         ('W', cross(0.5, 0.5, 0.17)), ('R', cross(0.5, 0.5, 0.1))]


def ensign(field, *badge):
    return [(field, everywhere()), ('region', (0, 0, 0.5, 0.5), UNION)] + list(badge)


def alternating(keys, count):
    return h_stripes([keys[k % len(keys)] for k in range(count)])


FLAGS = [
    ('Unknown', [('s', everywhere())]),
    ('United Kingdom', UNION),
    ('England', [('W', everywhere()), ('R', cross(0.5, 0.5, 0.1))]),
    ('Scotland', [('B', everywhere()), ('W', saltire(0.1))]),
    ('Wales', h_stripes(['W', 'G']) + [('R', polygon([
        (0.22, 0.55), (0.3, 0.3), (0.42, 0.42), (0.58, 0.22), (0.7, 0.3), (0.62, 0.4),
        (0.78, 0.5), (0.72, 0.78), (0.6, 0.62), (0.45, 0.7), (0.38, 0.85), (0.3, 0.68)]))]),
    ('Northern Ireland', [('W', everywhere()), ('R', cross(0.5, 0.5, 0.1)),
                          ('W', star(0.5, 0.5, 0.3, points=6, inner=0.6)), ('R', disc(0.5, 0.52, 0.12))]),
    ('Ireland', v_stripes(['G', 'W', 'O'])),
    ('Red Ensign', ensign('R')),
    ('Blue Ensign', ensign('N')),
    ('Isle of Man', [('R', everywhere()), ('W', triskelion(0.5, 0.5, 0.3, 0.2)), ('y', disc(0.5, 0.5, 0.07))]),
    ('Faeroe Islands', nordic('W', 'B', 'R')),
    ('Iceland', nordic('B', 'W', 'R')),
    ('Norway', nordic('R', 'W', 'N')),
    ('Russia', h_stripes(['W', 'B', 'R'])),
    ('Denmark', nordic('R', 'W')),
    ('Germany', h_stripes(['K', 'R', 'Y'])),
    ('Netherlands', h_stripes(['R', 'W', 'B'])),
    ('Belgium', v_stripes(['K', 'Y', 'R'])),
    ('France', v_stripes(['B', 'W', 'R'])),
    ('Channel Islands', [('W', everywhere()), ('R', cross(0.5, 0.5, 0.16)), ('Y', cross(0.5, 0.5, 0.05))]),
    ('Spain', h_stripes(['R', 'Y', 'R'], [1, 2, 1]) + [('R', box(0.26, 0.38, 0.36, 0.64)),
                                                       ('M', box(0.26, 0.38, 0.36, 0.44))]),
    ('Portugal', v_stripes(['G', 'R'], [2, 3]) + [('Y', disc(0.4, 0.5, 0.25)), ('R', box(0.37, 0.38, 0.44, 0.62)),
                                                  ('W', box(0.39, 0.44, 0.42, 0.56))]),
    ('Gibraltar', h_stripes(['W', 'R'], [2, 1]) + [('R', box(0.35, 0.25, 0.65, 0.6)),
                                                   ('R', box(0.3, 0.12, 0.4, 0.3)), ('R', box(0.6, 0.12, 0.7, 0.3)),
                                                   ('R', box(0.45, 0.06, 0.55, 0.3)), ('K', box(0.47, 0.42, 0.53, 0.6)),
                                                   ('Y', box(0.48, 0.62, 0.52, 0.85))]),
    ('Italy', v_stripes(['G', 'W', 'R'])),
    ('Greece', alternating(['B', 'W'], 9) + [('region', (0, 0, 0.37, 5 / 9), [
        ('B', everywhere()), ('W', cross(0.5, 0.5, 0.1))])]),
    ('Finland', nordic('W', 'B')),
    ('Sweden', nordic('B', 'Y')),
    ('Croatia', h_stripes(['R', 'W', 'B']) + [('W', box(0.4, 0.25, 0.6, 0.72)), ('R', lambda x, y, w, h: (
        0.4 * w <= x < 0.6 * w and 0.25 * h <= y < 0.72 * h and (int(x - 0.4 * w) // 2 + int(y - 0.25 * h) // 2) % 2 == 0))]),
    ('Turkey', [('R', everywhere()), ('W', crescent(0.36, 0.5, 0.3, 0.08, 0.24)), ('W', star(0.58, 0.5, 0.13))]),
    ('Poland', h_stripes(['W', 'R'])),
    ('Malta', v_stripes(['W', 'R']) + [('s', glyph(GEORGE_CROSS, 0.13, 0.26))]),
    ('Estonia', h_stripes(['B', 'K', 'W'])),
    ('Bulgaria', h_stripes(['W', 'G', 'R'])),
    ('Cyprus', [('W', everywhere()), ('C', polygon([(0.25, 0.45), (0.45, 0.3), (0.7, 0.25), (0.82, 0.18),
                                                    (0.72, 0.42), (0.55, 0.5), (0.35, 0.55)])),
                ('G', polygon([(0.3, 0.75), (0.5, 0.68), (0.45, 0.8)])),
                ('G', polygon([(0.7, 0.75), (0.5, 0.68), (0.55, 0.8)]))]),
    ('Ukraine', h_stripes(['B', 'Y'])),
    ('Morocco', [('R', everywhere()), ('G', star(0.5, 0.52, 0.36))]),
    ('Egypt', h_stripes(['R', 'W', 'K']) + [('y', polygon([(0.45, 0.4), (0.55, 0.4), (0.57, 0.62), (0.5, 0.66),
                                                           (0.43, 0.62)]))]),
    ('Israel', [('W', everywhere()), ('B', band_h(0.1, 0.24)), ('B', band_h(0.76, 0.9)),
                ('B', triangle_outline(0.5, 0.5, 0.26, 0.08, False)),
                ('B', triangle_outline(0.5, 0.5, 0.26, 0.08, True))]),
    ('Azores', v_stripes(['B', 'W'], [2, 3]) + [('y', polygon([(0.3, 0.5), (0.4, 0.3), (0.5, 0.5), (0.44, 0.72),
                                                               (0.36, 0.72)])),
                                                 ('W', box(0.04, 0.08, 0.14, 0.3)), ('R', box(0.06, 0.12, 0.12, 0.26))]),
    ('Canaries', v_stripes(['W', 'B', 'Y'])),
    ('Bermuda', ensign('R', ('W', box(0.68, 0.3, 0.86, 0.72)), ('G', box(0.7, 0.5, 0.84, 0.7)),
                       ('R', disc(0.77, 0.38, 0.06)))),
    ('Canada', v_stripes(['R', 'W', 'R'], [1, 2, 1]) + [('R', polygon([
        (0.5, 0.1), (0.55, 0.3), (0.64, 0.25), (0.6, 0.45), (0.7, 0.4), (0.66, 0.58), (0.52, 0.62),
        (0.52, 0.85), (0.48, 0.85), (0.48, 0.62), (0.34, 0.58), (0.3, 0.4), (0.4, 0.45), (0.36, 0.25),
        (0.45, 0.3)]))]),
    ('Greenland', h_stripes(['W', 'R']) + [('R', lambda x, y, w, h: disc(0.36, 0.5, 0.32)(x, y, w, h) and y < h / 2),
                                          ('W', lambda x, y, w, h: disc(0.36, 0.5, 0.32)(x, y, w, h) and y >= h / 2)]),
    ('United States of America', alternating(['R', 'W'], 8) + [('region', (0, 0, 0.42, 0.5), [
        ('N', everywhere()), ('W', lambda x, y, w, h: int(x) % 2 == 1 and int(y) % 2 == 1)])]),
    ('Antilles', [('W', everywhere()), ('R', band_v(0.42, 0.58)), ('B', band_h(0.36, 0.64)),
                  ('W', pixels([(0.2, 0.42), (0.3, 0.56), (0.7, 0.42), (0.8, 0.56), (0.5, 0.5)]))]),
    ('Argentina', h_stripes(['L', 'W', 'L']) + [('Y', disc(0.5, 0.5, 0.13))]),
    ('Chile', h_stripes(['W', 'R']) + [('B', box(0, 0, 0.27, 0.5)), ('W', star(0.135, 0.25, 0.2))]),
    ('Uruguay', alternating(['W', 'B'], 9) + [('W', box(0, 0, 0.37, 5 / 9)), ('Y', disc(0.185, 0.28, 0.16))]),
    ('Venezuela', h_stripes(['Y', 'B', 'R']) + [('W', pixels(
        [(0.5 + 0.2 * math.cos(a), 0.62 - 0.32 * math.sin(a)) for a in
         [math.pi * k / 7 for k in range(0, 8)]]))]),
    ('Peru', v_stripes(['R', 'W', 'R'])),
    ('Namibia', [('G', everywhere()), ('B', polygon([(0, 0), (1, 0), (0, 1)])),
                 ('W', lambda x, y, w, h: abs(x / w + y / h - 1.0) <= 0.22),
                 ('R', lambda x, y, w, h: abs(x / w + y / h - 1.0) <= 0.15),
                 ('Y', star(0.16, 0.27, 0.18, points=8, inner=0.6))]),
    ('South Africa', h_stripes(['R', 'B']) + [
        ('W', either(polygon([(0, 0), (0.22, 0), (0.55, 0.36), (1, 0.36), (1, 0.64), (0.55, 0.64), (0.22, 1), (0, 1)]))),
        ('G', either(polygon([(0, 0.06), (0.1, 0.06), (0.5, 0.42), (1, 0.42), (1, 0.58), (0.5, 0.58),
                              (0.1, 0.94), (0, 0.94)]))),
        ('Y', polygon([(0, 0.16), (0.36, 0.5), (0, 0.84)])),
        ('K', polygon([(0, 0.26), (0.26, 0.5), (0, 0.74)]))]),
    ('India', h_stripes(['O', 'W', 'G']) + [('N', ring(0.5, 0.5, 0.13, 0.07))]),
    ('Mauritius', h_stripes(['R', 'B', 'Y', 'G'])),
    ('Bahrain', [('R', everywhere()), ('W', zigzag(0.22, 0.1, 5))]),
    ('Iran', h_stripes(['G', 'W', 'R']) + [('R', box(0.46, 0.38, 0.54, 0.62))]),
    ('Iraq', h_stripes(['R', 'W', 'K']) + [('G', box(0.3, 0.42, 0.4, 0.58)), ('G', box(0.46, 0.42, 0.54, 0.58)),
                                           ('G', box(0.6, 0.42, 0.7, 0.58))]),
    ('Oman', h_stripes(['W', 'R', 'G']) + [('R', band_v(0, 0.26)), ('W', box(0.08, 0.08, 0.18, 0.26))]),
    ('Pakistan', [('E', everywhere()), ('W', band_v(0, 0.25)), ('W', crescent(0.62, 0.5, 0.32, -0.1, 0.27)),
                  ('W', star(0.7, 0.4, 0.12))]),
    ('Qatar', [('M', everywhere()), ('W', zigzag(0.28, 0.08, 9))]),
    ('Saudia Arabia', [('G', everywhere()),
                       ('W', strokes(0.5, 0.36, [[(-0.8, 0.1), (-0.6, -0.15), (-0.45, 0.1), (-0.3, -0.15), (-0.15, 0.1),
                                                  (0, -0.15), (0.15, 0.1), (0.3, -0.15), (0.45, 0.1), (0.6, -0.15),
                                                  (0.8, 0.1)]], 0.03)),
                       ('W', strokes(0.5, 0.72, [[(-0.6, 0), (0.65, 0)], [(0.5, -0.08), (0.5, 0.08)]], 0.04))]),
    ('China', [('R', everywhere()), ('Y', star(0.17, 0.27, 0.2)),
               ('Y', pixels([(0.34, 0.12), (0.4, 0.22), (0.4, 0.38), (0.34, 0.48)]))]),
    ('Hong Kong', [('R', everywhere())] + [('W', disc(0.5 + 0.16 * math.sin(a) * 16 / 30, 0.5 - 0.16 * math.cos(a), 0.14))
                                          for a in [2 * math.pi * k / 5 for k in range(5)]] + [('R', star(0.5, 0.5, 0.08))]),
    ('Indonesia', h_stripes(['R', 'W'])),
    ('Japan', [('W', everywhere()), ('R', disc(0.5, 0.5, 0.3))]),
    ('Malaysia', alternating(['R', 'W'], 8) + [('region', (0, 0, 0.5, 0.5), [
        ('N', everywhere()), ('Y', crescent(0.4, 0.5, 0.4, 0.12, 0.34)), ('Y', star(0.68, 0.5, 0.26))])]),
    ('Singapore', h_stripes(['R', 'W']) + [('W', crescent(0.2, 0.25, 0.18, 0.07, 0.16)),
                                           ('W', pixels([(0.3, 0.12), (0.36, 0.24), (0.32, 0.36)]))]),
    ('South Korea', [('W', everywhere()), ('R', lambda x, y, w, h: disc(0.5, 0.5, 0.25)(x, y, w, h) and y < h / 2),
                     ('B', lambda x, y, w, h: disc(0.5, 0.5, 0.25)(x, y, w, h) and y >= h / 2),
                     ('K', box(0.1, 0.1, 0.22, 0.3)), ('K', box(0.78, 0.1, 0.9, 0.3)),
                     ('K', box(0.1, 0.7, 0.22, 0.9)), ('K', box(0.78, 0.7, 0.9, 0.9))]),
    ('Taiwan', [('R', everywhere()), ('B', box(0, 0, 0.5, 0.5)), ('W', star(0.25, 0.25, 0.2, points=12, inner=0.6))]),
    ('Thailand', h_stripes(['R', 'W', 'N', 'W', 'R'], [1, 1, 2, 1, 1])),
    ('Vietnam', [('R', everywhere()), ('Y', star(0.5, 0.52, 0.36))]),
    ('Alaska', [('N', everywhere()), ('Y', pixels([(0.12, 0.68), (0.24, 0.62), (0.34, 0.66), (0.44, 0.6),
                                                   (0.5, 0.72), (0.62, 0.7), (0.6, 0.56)])),
                ('Y', star(0.82, 0.22, 0.16))]),
    ('Hawaii', alternating(['W', 'R', 'B'], 8) + [('region', (0, 0, 0.5, 0.5), UNION)]),
    ('Puerto Rico', alternating(['R', 'W'], 5) + [('B', polygon([(0, 0), (0.45, 0.5), (0, 1)])),
                                                  ('W', star(0.15, 0.5, 0.18))]),
    ('Guam', [('R', everywhere()), ('N', box(0.07, 0.12, 0.93, 0.88)),
              ('L', polygon([(0.5, 0.2), (0.6, 0.35), (0.62, 0.5), (0.6, 0.65), (0.5, 0.8), (0.4, 0.65),
                             (0.38, 0.5), (0.4, 0.35)])),
              ('G', box(0.48, 0.35, 0.52, 0.62))]),
    ('Honduras', h_stripes(['B', 'W', 'B']) + [('B', pixels([(0.4, 0.42), (0.6, 0.42), (0.5, 0.5),
                                                             (0.4, 0.58), (0.6, 0.58)]))]),
    ('Bahamas', h_stripes(['A', 'Y', 'A']) + [('K', polygon([(0, 0), (0.42, 0.5), (0, 1)]))]),
    ('Latvia', h_stripes(['m', 'W', 'm'], [2, 1, 2])),
    ('Liberia', alternating(['R', 'W'], 8) + [('region', (0, 0, 0.3, 0.5), [
        ('N', everywhere()), ('W', star(0.5, 0.5, 0.42))])]),
    ('Panama', [('W', everywhere()), ('R', box(0.5, 0, 1, 0.5)), ('B', box(0, 0.5, 0.5, 1)),
                ('B', star(0.25, 0.25, 0.16)), ('R', star(0.75, 0.75, 0.16))]),
    ('Australia', ensign('N', ('W', star(0.25, 0.76, 0.16, points=7)),
                         ('W', pixels([(0.77, 0.2), (0.64, 0.45), (0.9, 0.4), (0.77, 0.82), (0.84, 0.56)])))),
    ('Antigua', [('R', everywhere()), ('K', polygon([(0, 0), (1, 0), (0.5, 1)])),
                 ('Y', lambda x, y, w, h: polygon([(0, 0), (1, 0), (0.5, 1)])(x, y, w, h) and
                  y < 0.42 * h and disc(0.5, 0.42, 0.2)(x, y, w, h)),
                 ('B', lambda x, y, w, h: polygon([(0, 0), (1, 0), (0.5, 1)])(x, y, w, h) and 0.42 * h <= y < 0.62 * h),
                 ('W', lambda x, y, w, h: polygon([(0, 0), (1, 0), (0.5, 1)])(x, y, w, h) and y >= 0.62 * h)]),
    ('New Zealand', ensign('N', ('W', star(0.77, 0.22, 0.14)), ('R', pixels([(0.77, 0.22)])),
                           ('W', star(0.66, 0.48, 0.14)), ('R', pixels([(0.66, 0.48)])),
                           ('W', star(0.88, 0.42, 0.14)), ('R', pixels([(0.88, 0.42)])),
                           ('W', star(0.77, 0.8, 0.14)), ('R', pixels([(0.77, 0.8)])))),
    ('Brazil', [('G', everywhere()), ('Y', polygon([(0.5, 0.08), (0.92, 0.5), (0.5, 0.92), (0.08, 0.5)])),
                ('B', disc(0.5, 0.5, 0.24))]),
    ('Swizerland', [('R', everywhere()), ('W', lambda x, y, w, h: (abs(x - w / 2) <= 0.1 * h and abs(y - h / 2) <= 0.34 * h) or
                                          (abs(y - h / 2) <= 0.1 * h and abs(x - w / 2) <= 0.34 * h))]),
    ('Austria', h_stripes(['R', 'W', 'R'])),
    ('Yugoslavia', h_stripes(['B', 'W', 'R']) + [('R', star(0.5, 0.52, 0.3)), ('Y', ring(0.5, 0.52, 0.3, 0.05))]),
    ('Lithuania', h_stripes(['Y', 'G', 'R'])),
    ('Romania', v_stripes(['B', 'Y', 'R'])),
    ('Barbados', v_stripes(['B', 'Y', 'B']) + [('K', box(0.48, 0.25, 0.52, 0.85)), ('K', box(0.38, 0.5, 0.62, 0.56)),
                                               ('K', box(0.38, 0.2, 0.42, 0.55)), ('K', box(0.58, 0.2, 0.62, 0.55)),
                                               ('K', box(0.47, 0.15, 0.53, 0.25))]),
    ('St Vincent & Grenada', v_stripes(['B', 'Y', 'G'], [1, 2, 1]) + [
        ('G', polygon([(0.38, 0.25), (0.43, 0.4), (0.38, 0.55), (0.33, 0.4)])),
        ('G', polygon([(0.62, 0.25), (0.67, 0.4), (0.62, 0.55), (0.57, 0.4)])),
        ('G', polygon([(0.5, 0.5), (0.55, 0.65), (0.5, 0.8), (0.45, 0.65)]))]),
    ('Costa Rica', h_stripes(['B', 'W', 'R', 'W', 'B'], [1, 1, 2, 1, 1])),
    ('Ecuador', h_stripes(['Y', 'B', 'R'], [2, 1, 1]) + [('y', disc(0.5, 0.5, 0.17)), ('G', disc(0.5, 0.56, 0.08))]),
    ('Somalia', [('L', everywhere()), ('W', star(0.5, 0.52, 0.36))]),
    ('Austro-Hungary', [('R', everywhere()), ('W', band_h(1 / 3, 2 / 3)), ('G', box(0.5, 2 / 3, 1, 1)),
                        ('y', box(0.22, 0.36, 0.3, 0.64)), ('y', box(0.7, 0.36, 0.78, 0.64))]),
    ('Viking', [('W', everywhere()), ('R', band_v(0.88, 1)),
                ('K', polygon([(0.22, 0.7), (0.4, 0.5), (0.36, 0.25), (0.5, 0.4), (0.62, 0.2), (0.6, 0.5),
                               (0.76, 0.55), (0.62, 0.62), (0.5, 0.85), (0.44, 0.66)]))]),
    ('Genoa', [('W', everywhere()), ('M', cross(0.5, 0.5, 0.16))]),
]


# --- symbols --------------------------------------------------------------

def dotted_ellipse(key_fill):
    """The danger line of a chart symbol: a dotted ellipse round a pale tint."""
    def on_line(x, y, w, h):
        d = math.hypot((x - 16) / 15, (y - 9) / 8.5)
        return 0.86 <= d <= 1.0 and (int(x) + int(y)) % 3 != 0
    return [(key_fill, lambda x, y, w, h: math.hypot((x - 16) / 15, (y - 9) / 8.5) <= 1.0), ('K', on_line)]


BADGE = disc(0.5, 0.5, 0.45)
CROSS_MARK = ['#.....#', '##...##', '.##.##.', '..###..', '.##.##.', '##...##', '#.....#']
TICK = ['......#', '.....##', '#...##.', '##.##..', '.###...', '..#....']
QUESTION = ['.###.', '#...#', '....#', '...#.', '..#..', '..#..', '.....', '..#..']
ARROW_UP = ['...#...', '..###..', '.#####.', '#######', '..###..', '..###..', '..###..', '..###..']
HOURGLASS = ['#######', '.#####.', '..###..', '...#...', '..#.#..', '.#...#.', '#######']
BANG = ['##', '##', '##', '##', '##', '##', '..', '##', '##']

SYMBOL_STRIPS = [
    (17010, 'wreck and obstruction', [
        ('wreck', dotted_ellipse('l') + [('K', box(6 / 32, 8 / 18, 26 / 32, 10 / 18)),
                                         ('K', box(10 / 32, 5 / 18, 11 / 32, 13 / 18)),
                                         ('K', box(15.5 / 32, 4 / 18, 16.5 / 32, 14 / 18)),
                                         ('K', box(21 / 32, 5 / 18, 22 / 32, 13 / 18))]),
        ('obstruction', dotted_ellipse('l') + [('K', disc(0.5, 0.5, 0.18))]),
    ]),
    (17012, 'status 0..9', [
        ('0 none', [('g', ring(0.5, 0.5, 0.4, 0.1))]),
        ('1 Dead', [('D', BADGE), ('W', glyph(CROSS_MARK, 0.5, 0.5))]),
        ('2 Removed', [('W', BADGE), ('R', ring(0.5, 0.5, 0.4, 0.12)),
                       ('R', lambda x, y, w, h: BADGE(x, y, w, h) and abs((x - w / 2) + (y - h / 2)) <= 1.2)]),
        ('3 Live', [('G', BADGE), ('W', glyph(TICK, 0.5, 0.5))]),
        ('4 Existence doubtful', [('O', lambda x, y, w, h: ring(0.5, 0.5, 0.4, 0.12)(x, y, w, h) and
                                   int((math.atan2(y - h / 2, x - w / 2) + math.pi) * 6 / math.pi) % 2 == 0),
                                  ('O', disc(0.5, 0.5, 0.12))]),
        ('5 Lifted', [('V', BADGE), ('W', glyph(ARROW_UP, 0.5, 0.5))]),
        ('6 Historic', [('M', BADGE), ('Y', star(0.5, 0.53, 0.36))]),
        ('7 Not Fully Surveyed', [('A', ring(0.5, 0.5, 0.4, 0.1)),
                                  ('A', lambda x, y, w, h: BADGE(x, y, w, h) and x < w / 2)]),
        ('8 Unknown', [('B', BADGE), ('W', glyph(QUESTION, 0.5, 0.5))]),
        ('9 Temporary', [('Y', BADGE), ('K', ring(0.5, 0.5, 0.42, 0.08)), ('K', glyph(HOURGLASS, 0.5, 0.5))]),
    ]),
    (17011, 'caution', [
        ('caution', [('K', polygon([(0.5, 0.0), (0.84, 1.0), (0.16, 1.0)])),
                     ('Y', polygon([(0.5, 0.2), (0.76, 0.9), (0.24, 0.9)])),
                     ('K', glyph(BANG, 0.5, 0.6))]),
    ]),
]


# --- output ---------------------------------------------------------------

def flag_names_in_table():
    path = os.path.join(ROOT, 'src', 'wrecks', 'CountryTableData.cpp')
    with open(path, encoding='cp1252') as f:
        text = f.read()
    body = text[text.index('kFlagNames'):]
    return re.findall(r'^\s*"([^"]*)",\s*//\s*\d+', body, re.M)


def palette_text(name, canvases):
    used = sorted({key for canvas in canvases for row in canvas for key in row})
    lines = [f'constexpr resources::PaletteEntry {name}[] = {{']
    for key in used:
        r, g, b = PALETTE[key]
        lines.append(f"    {{'{key}', RGB({r}, {g}, {b})}},")
    lines.append('};')
    return lines


def strip_text(ident, bitmap_id, palette, images):
    height, width = len(images[0][1]), len(images[0][1][0])
    lines = [f'constexpr std::array<std::string_view, {len(images)}> {ident}Images = {{']
    for caption, canvas in images:
        lines.append(f'    // {caption}')
        lines.extend(f'    "{"".join(row)}"' for row in canvas)
        lines[-1] += ','
    lines.append('};')
    lines.append(f'constexpr auto {ident}Pixels = resources::DecodeStrip<{width}, {height}>({palette}, {ident}Images);')
    lines.append(f'constexpr platform::ui::BitmapResource {ident}{{{bitmap_id}, {width * len(images)}, {height}, '
                 f'{ident}Pixels}};')
    return lines


# Where a generated file's bitmaps go: the module's resources, or those of
# a companion library.
MODULE_RESOURCES = ('frame/ModuleEntry.h', 'module_entry::AddBitmap')


def source_file(summary, palette_name, strips, generator='make_wreck_images.py', resources=MODULE_RESOURCES):
    canvases = [canvas for _, _, images in strips for _, canvas in images]
    header, add = resources
    height, width = len(canvases[0]), len(canvases[0][0])
    lines = [f'// Generated by tools/{generator}: edit the generator, not this file.',
             f'// {summary}',
             f'// Each image is {height} rows of {width} palette characters; "." is the mask colour.',
             '',
             '#include <array>',
             '#include <string_view>',
             '',
             '#include "PaletteStrip.h"',
             f'#include "{header}"',
             '',
             'namespace {',
             '']
    lines += palette_text(palette_name, canvases)
    for ident, bitmap_id, images in strips:
        lines.append('')
        lines += strip_text(ident, bitmap_id, palette_name, images)
    adds = ' &&\n                    '.join(f'{add}({ident})' for ident, _, _ in strips)
    lines += ['', f'const bool kAdded = {adds};', '', '}  // namespace', '']
    return '\n'.join(lines)


def write(name, text):
    with open(os.path.join(ROOT, 'res', name), 'w', encoding='ascii', newline='\n') as f:
        f.write(text)


def main():
    names = [name for name, _ in FLAGS]
    assert names == flag_names_in_table(), 'flag designs out of step with the flag name table'
    assert FLAG_STRIPS[-1][2] == len(FLAGS)

    symbol_strips = [(f'kBitmap{bitmap_id}', bitmap_id, [(caption, symbol_image(design)) for caption, design in images])
                     for bitmap_id, _, images in SYMBOL_STRIPS]
    write('WreckSymbols.cpp', source_file(
        'Wreck list symbols: 17010 wreck and obstruction, 17012 status 0..9, 17011 caution.',
        'kSymbolPalette', symbol_strips))

    flag_strips = [(f'kBitmap{bitmap_id}', bitmap_id,
                    [(f'{index} {FLAGS[index][0]}', flag_image(FLAGS[index][1])) for index in range(first, end)])
                   for bitmap_id, first, end in FLAG_STRIPS]
    canvases = [canvas for _, _, images in flag_strips for _, canvas in images]
    assert len({tuple(map(tuple, c)) for c in canvases}) == len(canvases), 'two flags look the same'
    split = ', '.join(f'{bitmap_id} flags {first}..{end - 1}' for bitmap_id, first, end in FLAG_STRIPS)
    write('FlagImages.cpp', source_file(f'National flags in flag index order: {split}.', 'kFlagPalette', flag_strips))


if __name__ == '__main__':
    main()
