#!/usr/bin/env python3
"""Draws the wreck picture of the wreck dialogs (bitmap 1003) and writes it
as palette rows to res/WreckPicture.cpp. Deterministic: the same output on
every run.

    tools/make_wreck_picture.py > res/WreckPicture.cpp
"""
import math

from palette_source import print_prologue

W, H = 160, 100

PALETTE = [
    ('a', (136, 190, 230)),  # sky, upper
    ('b', (170, 210, 240)),  # sky, lower
    ('c', (40, 110, 170)),   # sea surface
    ('d', (25, 85, 140)),    # shallow water
    ('e', (15, 60, 110)),    # mid water
    ('f', (8, 40, 80)),      # deep water
    ('s', (150, 130, 90)),   # seabed sand
    ('t', (110, 95, 65)),    # seabed shadow
    ('h', (60, 45, 40)),     # hull
    ('r', (120, 60, 40)),    # rust
    ('m', (90, 80, 70)),     # mast and rigging
    ('w', (230, 240, 250)),  # bubbles and wave crests
    ('k', (20, 20, 20)),     # portholes
]

SURFACE = 30   # row of the sea surface
SEABED = 84    # mean row of the seabed


def seabed(x):
    return SEABED + round(2 * math.sin(x / 13.0) + math.sin(x / 5.0))


def water(y):
    depth = (y - SURFACE) / (SEABED - SURFACE)
    if y == SURFACE:
        return 'c'
    return 'd' if depth < 0.3 else 'e' if depth < 0.65 else 'f'


def hull(x, y):
    """A ship resting on the seabed, bow raised, listing to starboard."""
    cx, cy, length = 80, 76, 90
    tilt = -0.12
    u = (x - cx) * math.cos(tilt) + (y - cy) * math.sin(tilt)
    v = -(x - cx) * math.sin(tilt) + (y - cy) * math.cos(tilt)
    if abs(u) > length / 2:
        return None
    taper = 1 - (abs(u) / (length / 2)) ** 4
    top, bottom = -7 * taper, 6 * taper
    if top <= v <= bottom:
        if abs(v + 2) < 0.8 and round(u) % 9 == 0 and abs(u) < 36:
            return 'k'
        return 'r' if (round(u * 0.7 + v * 1.3) % 7 == 0) else 'h'
    # Superstructure and a broken mast.
    if -14 <= v < top and -14 < u < 4:
        return 'h' if -10 < u < 2 else None
    if abs(u - 20) < 0.8 and -30 < v < top:
        return 'm'
    if abs(u + 28) < 0.8 and -22 < v < top:
        return 'm'
    return None


def pixel(x, y):
    if y < SURFACE:
        return 'a' if y < SURFACE // 2 else 'b'
    if y == SURFACE and (x * 7) % 23 < 3:
        return 'w'
    bed = seabed(x)
    ship = hull(x, y)
    if ship:
        return ship
    if y >= bed:
        return 't' if (x + 2 * y) % 11 == 0 or y == bed else 's'
    # A few rising bubbles above the wreck.
    for bx, by in ((84, 44), (86, 50), (83, 56), (98, 38), (99, 47)):
        if (x - bx) ** 2 + (y - by) ** 2 <= 1:
            return 'w'
    return water(y)


def main():
    print_prologue('make_wreck_picture.py',
                   ['The wreck picture of the wreck loading and install dialogs, bitmap 1003:',
                    '%d x %d pixels, one palette character a pixel.' % (W, H)],
                   'kPicturePalette', PALETTE)
    print('constexpr std::array<std::string_view, 1> kPictureImage = {')
    for y in range(H):
        row = ''.join(pixel(x, y) for x in range(W))
        end = '' if y < H - 1 else ','
        print('    "%s"%s' % (row, end))
    print('};')
    print()
    print('constexpr auto kPicturePixels = resources::DecodeStrip<%d, %d>(kPicturePalette, kPictureImage);' % (W, H))
    print('constexpr platform::ui::BitmapResource kWreckPicture{1003, %d, %d, kPicturePixels};' % (W, H))
    print()
    print('const bool kAdded = module_entry::AddBitmap(kWreckPicture);')
    print()
    print('}  // namespace')


main()
