"""Effect sheets and small images: poof, explosion, smoke puff, missile, laser bolt."""

import math

from gen.canvas import blank, from_ascii, outlined, paste_masked
from gen.palette import LETTERS
from gen.sheet import Sheet


def colour(letter):
    return LETTERS[letter]


def blob(size, circles, ramp, holes=()):
    """Overlapping discs lit from the upper left: ramp runs from lit to shaded.

    circles: (cx, cy, r); holes: (cx, cy, r) discs cut out again, for smoke that breaks up."""
    width, height = size
    image = blank(width, height)
    pixels = image.load()
    for y in range(height):
        for x in range(width):
            px, py = x + 0.5, y + 0.5
            if any(math.hypot(px - hx, py - hy) < hr for hx, hy, hr in holes):
                continue
            best = None
            for cx, cy, r in circles:
                d = math.hypot(px - cx, py - cy)
                if d < r:
                    # How far the pixel lies toward the lower right of its disc, -1 .. 1.
                    side = ((px - cx) + (py - cy)) / (r * 1.5)
                    if best is None or d / r < best[0]:
                        best = (d / r, side)
            if best is not None:
                index = int((best[1] + 1) / 2 * len(ramp))
                pixels[x, y] = colour(ramp[max(0, min(len(ramp) - 1, index))])
    return image


POOF_FRAMES = [
    ([(8, 8, 2.6)], 'wWg', []),
    ([(8, 8, 4.2), (5, 9.5, 2.8), (11, 9.5, 2.8)], 'wWg', []),
    ([(8, 7, 4.6), (4, 9.5, 3.4), (12, 9.5, 3.4), (8, 11, 3.2)], 'WgG', [(8, 8, 1.6)]),
    ([(7.5, 5, 3.2), (3.5, 10, 3), (12.5, 10, 3), (9, 12.5, 2.6)], 'gGd', [(8, 8.5, 3.2)]),
    ([(7, 3.5, 2), (2.5, 10, 1.8), (13.5, 10.5, 1.8), (9.5, 14, 1.6)], 'Gd', []),
]


def poof_sheet():
    sheet = Sheet('Poof: a grey cloud that swells and breaks up, 16 x 16 frames')
    frames = sheet.add_frames([blob((16, 16), c, ramp, holes) for c, ramp, holes in POOF_FRAMES])
    sheet.add_animation(12, frames, 'the poof, played once')
    return sheet


EXPLOSION_FRAMES = [
    ([(8, 8, 2.5)], 'wwy', []),
    ([(8, 8, 4.3)], 'wyyo', []),
    ([(8, 8, 5.6), (4.5, 5, 2.5), (11.5, 11, 2.5)], 'yyooR', [(8, 8, 1.2)]),
    ([(8, 8, 6.6), (3.5, 4.5, 2.8), (12.5, 11.5, 2.8), (12, 4, 2.2)], 'yoRRm', [(8, 8, 2.8)]),
    ([(6, 5.5, 3.6), (11, 7, 3.2), (8, 11.5, 3.4), (3.5, 11, 2.2)], 'oGdD', [(8.5, 8.5, 2.5)]),
    ([(5.5, 4.5, 2.8), (11.5, 6, 2.4), (8, 12.5, 2.6), (3, 11.5, 1.6)], 'GdD', [(8, 8.5, 3.5)]),
    ([(5, 3.5, 1.6), (12, 5.5, 1.4), (8.5, 13.5, 1.6)], 'dD', []),
]


def explosion_sheet():
    sheet = Sheet('Small explosion: a white-hot flash that bursts orange and leaves smoke, 16 x 16 frames')
    frames = sheet.add_frames([blob((16, 16), c, ramp, holes) for c, ramp, holes in EXPLOSION_FRAMES])
    sheet.add_animation(15, frames, 'the burst, played once')
    return sheet


PUFF_FRAMES = [
    ([(3.5, 3.5, 2.2)], 'wW'),
    ([(3.5, 3.5, 2.7)], 'WWg'),
    ([(3.5, 3.2, 2.9)], 'gGG'),
    ([(3.5, 3.0, 2.2)], 'Gd'),
    ([(3.5, 2.8, 1.3)], 'd'),
]


def puff_sheet():
    sheet = Sheet('Smoke puff: a small ball that swells, greys and shrinks, 7 x 7 frames')
    frames = sheet.add_frames([blob((7, 7), c, ramp) for c, ramp in PUFF_FRAMES])
    sheet.add_animation(10, frames, 'the puff, played once')
    return sheet


MISSILE_SIZE = 9
# The rocket at the three headings 0, 22.5 and 45 degrees, ink only, centred on pixel (4, 4);
# 'y' and 'o' are the flame. Every other heading is one of these turned or mirrored.
MISSILE_BASE = [
    ['.........',
     '.........',
     '.........',
     '..G......',
     'oyGwwwrR.',
     '..G......',
     '.........',
     '.........',
     '.........'],
    ['.........',
     '.........',
     '.........',
     '......rR.',
     '..G.wwg..',
     '.yGwg....',
     'o..G.....',
     '.........',
     '.........'],
    ['.........',
     '.......R.',
     '......rg.',
     '.....wg..',
     '....wg...',
     '.G.wg....',
     '..G......',
     '.y.G.....',
     'o........'],
]


def transformed(rows, mapping):
    """Moves every pixel of a square drawing to mapping(x, y)."""
    size = len(rows)
    result = [['.'] * size for _ in range(size)]
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            nx, ny = mapping(x, y)
            result[ny][nx] = letter
    return [''.join(row) for row in result]


def missile_drawing(k):
    """The rocket for heading k x 22.5 degrees, built from the three drawn headings."""
    last = MISSILE_SIZE - 1
    quarter, step = divmod(k, 4)
    if step == 3:
        rows = transformed(MISSILE_BASE[1], lambda x, y: (last - y, last - x))
    else:
        rows = MISSILE_BASE[step]
    for _ in range(quarter):
        rows = transformed(rows, lambda x, y: (y, last - x))
    return rows


def missile_picture(k, long_flame):
    rows = missile_drawing(k)
    body = from_ascii([''.join(c if c not in 'yo' else '.' for c in row) for row in rows])
    flame_letters = 'yo' if long_flame else 'y'
    flame = from_ascii([''.join(c if c in flame_letters else '.' for c in row) for row in rows])
    result = outlined(body)
    paste_masked(result, flame, 0, 0)
    return result


def missile_sheet():
    sheet = Sheet('Missile: one animation per heading k x 22.5 degrees (0 right, 4 up, 8 left, 12 down), 9 x 9')
    for k in range(16):
        frames = sheet.add_frames([missile_picture(k, True), missile_picture(k, False)])
        sheet.add_animation(15, frames, 'heading %d x 22.5 degrees, flame flickers' % k)
    return sheet


LASER_BOLT = [
    '.w.',
    'bwb',
    'bwb',
    'bWb',
    'bWb',
    'uWu',
    '.b.',
    '.u.',
]


def laser_bolt():
    return from_ascii(LASER_BOLT)
