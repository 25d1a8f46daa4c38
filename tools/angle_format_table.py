#!/usr/bin/env python3
"""Writes tests/angle/data/format_table.txt: angle texts worked out by a
second, separate reading of the angle formats, in Python, so that the C++
formatter is checked against code it shares nothing with. Python's %
operator follows the C printf rules (it ignores the 'l' length modifier and
rounds correctly, as glibc does), so the patterns are used as they stand.

Each row: radians (as a hexadecimal float), kind, format, decimals, the
hemisphere letter for zero ('-' for none) and the expected text with bytes
outside printable ASCII written as \\xHH.

Usage: tools/angle_format_table.py > tests/angle/data/format_table.txt
"""

import math
import random

DEG_PER_RAD = 57.2957795131
GRAD_PER_RAD = 63.66197723677778

# kind: (sign, digits by format, fixed default decimals, quarter turn)
KINDS = {
    1: ('lead', [3, 3, 3, 3, 3], None, False),
    2: ('none', [3, 3, 3, 3, 3], None, False),
    3: ('lead', [2, 2, 2, 2, 3], None, False),
    4: ('none', [3, 3, 3, 3, 3], None, True),
    5: ('lat', [2, 2, 2, 3, 3], None, False),
    6: ('lon', [3, 3, 3, 4, 3], None, False),
    7: ('none', [3, 3, 3, 3, 3], 2, False),
    8: ('lead', [2, 2, 2, 2, 3], 2, False),
    9: ('lead', [3, 3, 3, 3, 3], 2, False),
}
DEFAULT_DECIMALS = [5, 7, 9, 9, 9]
RANGE = {1: (-180, 180), 2: (0, 360), 3: (-90, 90), 4: (0, 180), 5: (-90, 90),
         6: (-180, 180), 7: (0, 360), 8: (-90, 90), 9: (-180, 180)}
DEG = '\xb0'


def letter_for(kind, value, zero_letter):
    sign = KINDS[kind][0]
    if sign not in ('lat', 'lon'):
        return '\0'
    if value == 0 and zero_letter.upper() in 'NSEW' and zero_letter != '':
        return zero_letter.upper()
    if sign == 'lat':
        return 'S' if value < 0 else 'N'
    return 'W' if value < 0 else 'E'


def split(deg, p):
    d = math.floor(deg)
    mins = (deg - d) * 60.0
    m = math.floor(mins)
    s = (mins - m) * 60.0
    limit = float('59.' + '9' * min(p, 21) + '5')
    if s > limit:
        s = 0.0
        m += 1
        if m > 59:
            m = 0
            d += 1
    return d, m, s


def fmt(value, kind, form, p, zero_letter):
    sign, digits, fixed, quarter = KINDS[kind]
    if p < 0 or p > 32:
        p = fixed if fixed is not None else DEFAULT_DECIMALS[form]
    if value == -1.0:
        return 'n/a'
    if quarter:
        value = math.pi / 2 - value
    value = value + 0.0
    if not abs(value * DEG_PER_RAD) < 2147483647.0:
        return ''
    D = digits[form]
    c = letter_for(kind, value, zero_letter)
    deg = abs(value) * DEG_PER_RAD
    w = 2 if p == 0 else p + 3
    if form == 0:
        d, m, s = split(deg, p)
        t = ('%0*d' + DEG + " %02d' %0*.*lf\"%c") % (D, d, m, w, p, s, c)
    elif form == 1:
        d, m, s = split(deg, p)
        t = ('%0*d' + DEG + " %0*.*lf'%c") % (D, d, w, p, m + s / 60.0, c)
    elif form == 2:
        t = ('%0*.*lf' + DEG + '%c') % (D if p == 0 else D + 1 + p, p, deg, c)
    elif form == 3:
        width = D if p == 0 else D + 1 + p
        if sign == 'none':
            t = ('%0*.*lf' + DEG) % (width, p, deg)
        else:
            t = ('%+0*.*lf' + DEG) % (width, p, value * DEG_PER_RAD)
    else:
        t = '%0*.*lfg%c' % (D + 1 + p, p, abs(value) * GRAD_PER_RAD, c)
    t = t.split('\0')[0]
    if sign == 'lead':
        ch = '+' if value >= 0 else '-'
        if not t.startswith(ch):
            t = ch + t
    dot = t.find('.')
    if dot >= 0:
        end = dot + 1
        while end < len(t) and t[end].isdigit():
            end += 1
        if end < len(t) and t[end] in DEG + '\'"g':
            t = t[:dot] + t[end] + t[dot:end] + t[end + 1:]
    return t


def escape(text):
    return ''.join(ch if 32 <= ord(ch) < 127 and ch != '\\' else '\\x%02X' % ord(ch) for ch in text)


def values(kind, rng):
    lo, hi = RANGE[kind]
    out = [rng.uniform(lo, hi) for _ in range(3)]
    # Near a carry: whole degrees, 59 minutes and seconds just below 60.
    d = rng.randint(0, int(hi) - 1)
    for s in (59.99996, 59.9996, 59.6, 59.4):
        out.append(d + 59 / 60.0 + s / 3600.0)
    out += [0.0, -0.0, float(hi), float(lo)]
    return [v / DEG_PER_RAD if kind != 4 else math.pi / 2 - v / DEG_PER_RAD for v in out]


def main():
    rng = random.Random(20261205)
    print('# radians kind format decimals zero-letter text  (written by tools/angle_format_table.py)')
    for kind in range(1, 10):
        for value in values(kind, rng):
            for form in range(5):
                for p in (-1, 0, 1, 3, 7):
                    for zero_letter in ('-', 'S', 'w') if value == 0 else ('-',):
                        letter = '' if zero_letter == '-' else zero_letter
                        text = fmt(value, kind, form, p, letter)
                        print('%s %d %d %d %s "%s"' % (float(value).hex(), kind, form, p, zero_letter, escape(text)))
    for special in (-1.0, 1e300, float('inf')):
        print('%s 1 0 -1 - "%s"' % (float(special).hex(), escape(fmt(special, 1, 0, -1, ''))))


if __name__ == '__main__':
    main()
