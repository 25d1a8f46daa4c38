#!/usr/bin/env python3
"""Writes the images of the host's companion libraries as text:
res/CompanionImages.cpp, with the two choices of the yes/no image list
(0 "No"/"Hide", 1 "Yes"/"Show") and the status icons of the flag icon
library (status 0..9).

Both are 16 x 16 small icons drawn with the shapes and designs of
make_wreck_images.py, so a status looks the same in the wreck lists and on
the property sheet, and the output is the same on every machine.

Usage: tools/make_companion_images.py   (run from anywhere; writes into res/)
"""

import sys

sys.dont_write_bytecode = True  # nothing left behind in tools/
import make_wreck_images as images  # noqa: E402

SIZE = 16
NO_YES_BITMAP = 30500
STATUS_ICONS_BITMAP = 30501

NO_YES = [
    ('0 No / Hide', [('R', images.BADGE), ('W', images.glyph(images.CROSS_MARK, 0.5, 0.5))]),
    ('1 Yes / Show', [('G', images.BADGE), ('W', images.glyph(images.TICK, 0.5, 0.5))]),
]


def status_designs():
    """The status symbols of the wreck image list, in status order."""
    for bitmap_id, _, designs in images.SYMBOL_STRIPS:
        if bitmap_id == 17012:
            return designs
    raise AssertionError('the wreck image list has no status strip')


def strip(bitmap_id, designs):
    return (f'kBitmap{bitmap_id}', bitmap_id,
            [(caption, images.symbol_image(design, SIZE, SIZE)) for caption, design in designs])


def main():
    strips = [strip(NO_YES_BITMAP, NO_YES), strip(STATUS_ICONS_BITMAP, status_designs())]
    images.write('CompanionImages.cpp', images.source_file(
        f'Companion library images: {NO_YES_BITMAP} no and yes, {STATUS_ICONS_BITMAP} status icons 0..9.',
        'kCompanionPalette', strips, generator='make_companion_images.py',
        resources=('platform/companions/CompanionResources.h', 'companions::AddBitmap')))


if __name__ == '__main__':
    main()
