"""The field's background and the five drifting clouds."""

import math

from gen.canvas import blank, from_ascii
from gen.palette import LETTERS

WIDTH, HEIGHT = 320, 240
BASELINE = 218

# The sky from the zenith down to the horizon haze, and the rows where one colour gives way to the
# next. Across each boundary the two colours mix by ordered dithering over BLEND rows, so the sky
# reads as a gradient without noise.
SKY = ['n', 'u', 'B', 'b', 'W', 'w']
SKY_BOUNDARIES = [16, 50, 96, 124, 142]
BLEND = 8

# 4 x 4 Bayer matrix: the order in which a cell's pixels switch to the next colour.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]

# A pale sun low in the south-west sky, with a dithered halo.
SUN = (58, 118, 7)
HALO = 4

# A small flock far off, over the right-hand hills: top-left corners of 5 x 2 birds.
BIRDS = [(226, 124), (236, 119), (241, 128), (252, 123)]
BIRD = ['n...n', '.n.n.']

FAR_HILLS = ((7, 0.021, 0.3), (4, 0.057, 1.9), (2, 0.13, 0.7))
NEAR_HILLS = ((5, 0.017, 2.4), (3, 0.043, 0.2), (1.5, 0.11, 1.3))
# The farthest range, barely darker than the haze behind it.
HAZE_HILLS = ((6, 0.012, 4.1), (4, 0.035, 0.9), (2, 0.09, 2.2))
GROUND_TOP = 204


def ridge(x, waves, base):
    """Height profile of a line of hills: a few slow waves added together."""
    return base + sum(a * math.sin(x * f + p) for a, f, p in waves)


def dithered(x, y, share):
    """Whether pixel (x, y) takes the second of two colours when that colour covers share (0..1)."""
    return BAYER[y % 4][x % 4] < share * 16


def sky_colour(x, y):
    """The sky's letter at (x, y): flat between boundaries, ordered dithering across each one."""
    for index, boundary in enumerate(SKY_BOUNDARIES):
        start = boundary - BLEND // 2
        if y < start:
            return SKY[index]
        if y < start + BLEND:
            share = (y - start + 0.5) / BLEND
            return SKY[index + 1] if dithered(x, y, share) else SKY[index]
    return SKY[-1]


def grass_colour(x, y):
    """The grass strip: a lit top edge, then dark green with blades and shadows in a fixed pattern."""
    if y < GROUND_TOP + 2:
        return 'L'
    seed = (x * 7919 + y * 104729 + x * y * 31) % 97
    if seed < 3 or (seed < 6 and y < GROUND_TOP + 5):
        return 'L'
    if seed < 8:
        return 'z'
    return 'E'


def background():
    image = blank(WIDTH, HEIGHT)
    pixels = image.load()
    sun_x, sun_y, sun_r = SUN
    for y in range(HEIGHT):
        for x in range(WIDTH):
            letter = sky_colour(x, y)
            distance = math.hypot(x + 0.5 - sun_x, y + 0.5 - sun_y)
            if distance < sun_r:
                letter = 'w'
            elif distance < sun_r + HALO and dithered(x, y, 1 - (distance - sun_r) / HALO):
                letter = 'W' if letter not in ('W', 'w') else 'w'
            pixels[x, y] = LETTERS[letter]
    for bx, by in BIRDS:
        for dy, row in enumerate(BIRD):
            for dx, letter in enumerate(row):
                if letter != '.':
                    pixels[bx + dx, by + dy] = LETTERS[letter]
    for x in range(WIDTH):
        haze = int(ridge(x, HAZE_HILLS, 152))
        far = int(ridge(x, FAR_HILLS, 166))
        near = int(ridge(x, NEAR_HILLS, 186))
        far_slope = ridge(x + 1, FAR_HILLS, 166) - ridge(x - 1, FAR_HILLS, 166)
        near_slope = ridge(x + 1, NEAR_HILLS, 186) - ridge(x - 1, NEAR_HILLS, 186)
        for y in range(haze, far):
            # The farthest range is pale with distance, its ridge half-toned into the haze.
            pixels[x, y] = LETTERS['W' if y >= haze + 2 or dithered(x, y, 0.5) else 'w']
        for y in range(far, HEIGHT):
            # Slopes that face the upper-left light get a lighter rim.
            lit = far_slope < 0 and y < far + 2
            pixels[x, y] = LETTERS['W' if lit else 'g']
        for y in range(near, HEIGHT):
            lit = near_slope < 0 and y < near + 2
            pixels[x, y] = LETTERS['L' if lit else 'e']
        for y in range(GROUND_TOP, HEIGHT):
            pixels[x, y] = LETTERS[grass_colour(x, y)]
        for y in range(BASELINE, HEIGHT):
            pixels[x, y] = LETTERS['O' if y == BASELINE else 'q' if y == BASELINE + 1 else 'Z']
    return image


# Each cloud: size and the discs it is made of (cx, cy, r), flat along the bottom.
CLOUDS = [
    ((16, 8), [(5, 5, 3.2), (10, 4, 3.8), (13, 6, 2.4)]),
    ((24, 10), [(6, 6.5, 3.8), (12, 4.5, 4.8), (18, 6.5, 3.8)]),
    ((32, 12), [(7, 8, 4.5), (14, 5.5, 5.8), (22, 6, 5), (27, 8.5, 3.6)]),
    ((42, 14), [(8, 9.5, 5), (16, 6, 6.5), (26, 5.5, 6), (34, 8.5, 5), (38, 10.5, 3.2)]),
    ((54, 17), [(8, 12, 5.5), (17, 8, 7.5), (28, 6.5, 7), (38, 8, 7), (47, 11.5, 5.5)]),
]


def cloud(size, discs):
    """A soft cloud: white top, pale middle, grey-blue underside; no outline."""
    width, height = size
    rows = []
    for y in range(height):
        row = ''
        for x in range(width):
            px, py = x + 0.5, y + 0.5
            inside = py < height - 0.5 and any(math.hypot(px - cx, py - cy) < r for cx, cy, r in discs)
            if not inside:
                row += '.'
            elif py < height * 0.45:
                row += 'w'
            elif py < height * 0.75:
                row += 'W'
            else:
                row += 'g'
        rows.append(row)
    return from_ascii(rows)


def clouds():
    return [cloud(size, discs) for size, discs in CLOUDS]
