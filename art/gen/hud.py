"""HUD pictures: the button frames, the health bar and the tower selection marker."""

from gen.canvas import blank, from_ascii, outlined, paste_masked
from gen.palette import LETTERS

BUTTON = 19


def button(edge, light, face, dark):
    """A rounded 19 x 19 button: edge colour round it, a lit top-left bevel, a shaded bottom-right one."""
    rows = []
    for y in range(BUTTON):
        row = ''
        for x in range(BUTTON):
            corner = (x in (0, BUTTON - 1)) and (y in (0, BUTTON - 1))
            if corner:
                row += '.'
            elif x in (0, BUTTON - 1) or y in (0, BUTTON - 1):
                row += 'e'
            elif x == 1 or y == 1:
                row += 'a' if not (x == BUTTON - 2 or y == BUTTON - 2) else 'f'
            elif x == BUTTON - 2 or y == BUTTON - 2:
                row += 'c'
            else:
                row += 'f'
        rows.append(row)
    return from_ascii(rows, {'e': LETTERS[edge], 'a': LETTERS[light], 'f': LETTERS[face],
                             'c': LETTERS[dark]})


def slots():
    """Normal, hovered, disabled and pressed frames side by side."""
    frames = [
        button('k', 'g', 'G', 'd'),   # normal
        button('y', 'W', 'g', 'G'),   # hovered: bright face, yellow rim
        button('k', 'd', 'D', 'k'),   # disabled: dark and flat
        button('y', 'd', 'G', 'g'),   # pressed: the bevel turned inside out
    ]
    strip = blank(BUTTON * 4, BUTTON)
    for i, frame in enumerate(frames):
        strip.paste(frame, (i * BUTTON, 0))
    return strip


BAR_WIDTH, BAR_FILL_HEIGHT = 50, 7


def red_bar():
    """The fill (50 x 7 at (1, 1)) above the frame (53 x 10 at (0, 10))."""
    image = blank(53, 20)
    fill_rows = ['r', 'r', 'R', 'R', 'R', 'R', 'm']
    fill = from_ascii([letter * BAR_WIDTH for letter in fill_rows])
    image.paste(fill, (1, 1))
    frame_rows = ['k' * 53] + ['k' + 'm' + 'Z' * 49 + 'Z' + 'k'] + ['k' + 'Z' * 51 + 'k'] * 7 + ['k' * 53]
    image.paste(from_ascii(frame_rows), (0, 10))
    return image


SELECTOR_WIDTH, SELECTOR_HEIGHT = 26, 34
BRACKET = 5


def selector():
    """Yellow corner brackets with dark outlines, wide enough to frame the tallest tower."""
    ink = blank(SELECTOR_WIDTH, SELECTOR_HEIGHT)
    pixels = ink.load()
    yellow = LETTERS['y']
    left, top = 1, 1
    right, bottom = SELECTOR_WIDTH - 2, SELECTOR_HEIGHT - 2
    for i in range(BRACKET):
        for x, y in ((left + i, top), (left, top + i), (right - i, top), (right, top + i),
                     (left + i, bottom), (left, bottom - i), (right - i, bottom), (right, bottom - i)):
            pixels[x, y] = yellow
    result = outlined(ink, diagonal=True)
    paste_masked(result, ink, 0, 0)
    return result
