#!/usr/bin/env python3
"""Draws the wind farm bitmaps and writes them as palette rows to
res/WindFarmImages.cpp: the picture of the wind farm install dialog (bitmap
1034) and the turbine row images (bitmap 1000, one 16 x 16 image per
status). Deterministic: the same output on every run.

    tools/make_windfarm_images.py > res/WindFarmImages.cpp
"""
import math

from palette_source import print_prologue

PW, PH = 160, 100
HORIZON = 58

PALETTE = [
    ('.', (255, 255, 255)),  # mask of the row images
    ('a', (150, 200, 235)),  # sky, upper
    ('b', (190, 220, 245)),  # sky, lower
    ('c', (40, 110, 170)),   # sea near the horizon
    ('d', (25, 85, 140)),    # sea
    ('e', (15, 60, 110)),    # sea, foreground
    ('w', (230, 240, 250)),  # wave crests
    ('t', (245, 245, 245)),  # tower and blades
    ('g', (120, 120, 130)),  # tower shadow
    ('y', (230, 190, 30)),   # transition piece
    ('K', (0, 0, 0)),        # outline of the row images
    ('L', (0, 150, 60)),     # live
    ('P', (40, 90, 200)),    # planned
    ('U', (240, 140, 0)),    # under construction
    ('D', (128, 128, 128)),  # decommissioned
    ('Q', (200, 200, 200)),  # status not known
]

# Turbines of the picture: hub x, hub y, size (the blade length), rotor angle.
TURBINES = [(30, 30, 14, 10), (72, 36, 11, 40), (106, 40, 9, 75), (132, 44, 7, 20), (150, 47, 5, 55)]


def on_segment(px, py, x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= width


def turbine_pixel(x, y):
    for hx, hy, size, angle in TURBINES:
        base = HORIZON + (hy - 20) // 6
        if on_segment(x, y, hx, hy, hx, base, max(0.6, size / 14)):
            if y >= base - 2:
                return 'y'
            return 'g' if x > hx else 't'
        for blade in range(3):
            a = math.radians(angle + 120 * blade)
            if on_segment(x, y, hx, hy, hx + size * math.cos(a), hy - size * math.sin(a), 0.7):
                return 't'
    return None


def picture_pixel(x, y):
    turbine = turbine_pixel(x, y)
    if turbine:
        return turbine
    if y < HORIZON:
        return 'a' if y < HORIZON * 0.55 else 'b'
    if (x * 7 + y * 13) % 23 == 0 and y > HORIZON + 3:
        return 'w'
    depth = (y - HORIZON) / (PH - HORIZON)
    return 'c' if depth < 0.25 else 'd' if depth < 0.6 else 'e'


def row_image(fill):
    """A turbine symbol: a filled circle for the rotor over a short mast."""
    rows = []
    for y in range(16):
        row = ''
        for x in range(16):
            r = math.hypot(x - 7.5, y - 6.0)
            if r <= 4.2:
                row += fill
            elif r <= 5.4:
                row += 'K'
            elif 7 <= x <= 8 and y >= 11:
                row += 'K'
            else:
                row += '.'
        rows.append(row)
    return rows


def cpp_rows(rows):
    return '\n'.join('    "%s"' % row for row in rows)


def main():
    picture = [''.join(picture_pixel(x, y) for x in range(PW)) for y in range(PH)]
    statuses = [('not known', 'Q'), ('live', 'L'), ('planned', 'P'), ('under construction', 'U'),
                ('decommissioned', 'D')]
    print_prologue('make_windfarm_images.py',
                   ['The wind farm bitmaps: 1034, the install dialog\'s picture (%d x %d), and' % (PW, PH),
                    '1000, the turbine row images (16 x 16, by status; "." is the mask colour).'],
                   'kWindFarmPalette', PALETTE)
    print('constexpr std::array<std::string_view, 1> kPictureImage = {')
    print(cpp_rows(picture) + ',')
    print('};')
    print()
    print('constexpr std::array<std::string_view, %d> kTurbineImages = {' % len(statuses))
    for name, fill in statuses:
        print('    // %s' % name)
        print(cpp_rows(row_image(fill)) + ',')
    print('};')
    print()
    print('constexpr auto kPicturePixels = resources::DecodeStrip<%d, %d>(kWindFarmPalette, kPictureImage);' % (PW, PH))
    print('constexpr platform::ui::BitmapResource kPicture{1034, %d, %d, kPicturePixels};' % (PW, PH))
    print('constexpr auto kTurbinePixels = resources::DecodeStrip<16, 16>(kWindFarmPalette, kTurbineImages);')
    print('constexpr platform::ui::BitmapResource kTurbines{1000, %d, 16, kTurbinePixels};' % (16 * len(statuses)))
    print()
    print('const bool kAdded = module_entry::AddBitmap(kPicture) && module_entry::AddBitmap(kTurbines);')
    print()
    print('}  // namespace')


main()
