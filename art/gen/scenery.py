"""The field's background and the five drifting clouds."""

import math

from gen.canvas import blank, from_ascii
from gen.palette import LETTERS

WIDTH, HEIGHT = 320, 240
BASELINE = 218

# Flat sky bands from the top down: (first row, colour letter).
SKY_BANDS = [(0, 'u'), (26, 'B'), (112, 'b'), (142, 'W')]


def ridge(x, waves, base):
    """Height profile of a line of hills: a few slow waves added together."""
    return base + sum(a * math.sin(x * f + p) for a, f, p in waves)


FAR_HILLS = ((7, 0.021, 0.3), (4, 0.057, 1.9), (2, 0.13, 0.7))
NEAR_HILLS = ((5, 0.017, 2.4), (3, 0.043, 0.2), (1.5, 0.11, 1.3))
GROUND_TOP = 204


def background():
    image = blank(WIDTH, HEIGHT)
    pixels = image.load()
    for y in range(HEIGHT):
        band = [letter for top, letter in SKY_BANDS if y >= top][-1]
        for x in range(WIDTH):
            pixels[x, y] = LETTERS[band]
    for x in range(WIDTH):
        far = int(ridge(x, FAR_HILLS, 166))
        near = int(ridge(x, NEAR_HILLS, 186))
        far_slope = ridge(x + 1, FAR_HILLS, 166) - ridge(x - 1, FAR_HILLS, 166)
        near_slope = ridge(x + 1, NEAR_HILLS, 186) - ridge(x - 1, NEAR_HILLS, 186)
        for y in range(far, HEIGHT):
            # Slopes that face the upper-left light get a lighter rim.
            lit = far_slope < 0 and y < far + 2
            pixels[x, y] = LETTERS['W' if lit else 'g']
        for y in range(near, HEIGHT):
            lit = near_slope < 0 and y < near + 2
            pixels[x, y] = LETTERS['L' if lit else 'e']
        for y in range(GROUND_TOP, HEIGHT):
            pixels[x, y] = LETTERS['L' if y < GROUND_TOP + 2 else 'E']
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
