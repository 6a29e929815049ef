"""The Squibble invader: a round purple blob with big eyes and four stubby legs, plain and battered."""

from gen.canvas import blank, from_ascii, opaque, outlined, paste_masked, recoloured
from gen.palette import LETTERS
from gen.sheet import Sheet

WIDTH, HEIGHT = 14, 12

# Silhouettes ('#'), lit from the upper left by shade_body; features are laid over afterwards.
BODY = [
    '....####....',
    '..########..',
    '.##########.',
    '############',
    '############',
    '############',
    '############',
    '.##########.',
]
LEGS_OUT = [
    '##.##..##.##',
    '#..#....#..#',
]
LEGS_IN = [
    '##.##..##.##',
    '.#..#..#..#.',
]
BATTERED_LEGS_OUT = [
    '##.##..##.#.',
    '#..#....#...',
]
BATTERED_LEGS_IN = [
    '##.##..##.#.',
    '.#..#..#....',
]

# Features drawn over the lit body: eyes looking down at the towers, a small mouth.
FACE = [
    '............',
    '............',
    '..ww...ww...',
    '..wK...wK...',
    '..wK...wK...',
    '.....kk.....',
    '............',
    '............',
]
# The battered face: a shut, bruised eye, a plaster and a crack.
BATTERED_FACE = [
    '............',
    '.......gW...',
    '.mkm...Wg...',
    '..m....wK...',
    '.......wK...',
    '....kkk.....',
    '.k..........',
    '..k.........',
]


def shade_body(silhouette):
    """Purple ink: pink where the upper-left edge catches the light, dark on the lower right."""
    height, width = len(silhouette), len(silhouette[0])

    def ink(x, y):
        return 0 <= x < width and 0 <= y < height and silhouette[y][x] == '#'

    rows = []
    for y in range(height):
        row = ''
        for x in range(width):
            if not ink(x, y):
                row += '.'
            elif not ink(x, y - 1) and x < width // 2 or not ink(x - 1, y) and y < height // 2:
                row += 'p'
            elif not ink(x, y + 1) or not ink(x + 1, y):
                row += 'm'
            else:
                row += 'P'
        rows.append(row)
    return from_ascii(rows)


def creature(legs, face):
    frame = blank(WIDTH, HEIGHT)
    paste_masked(frame, shade_body(BODY + legs), 1, 1)
    paste_masked(frame, from_ascii(face), 1, 1)
    return outlined(frame)


def flash(frame):
    """The hurt flash: the same silhouette in white inside its dark outline."""
    result = recoloured(frame, lambda colour: LETTERS['w'])
    pixels, source = result.load(), frame.load()
    for y in range(frame.height):
        for x in range(frame.width):
            neighbours = ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1))
            if opaque(frame, x, y) and any(not opaque(frame, nx, ny) for nx, ny in neighbours):
                pixels[x, y] = source[x, y]
    return result


def squibble_sheet():
    walk = [creature(LEGS_OUT, FACE), creature(LEGS_IN, FACE)]
    hurt = [creature(BATTERED_LEGS_OUT, BATTERED_FACE), creature(BATTERED_LEGS_IN, BATTERED_FACE)]
    sheet = Sheet('Squibble invader: 14 x 12 frames')
    plain = sheet.add_frames(walk)
    plain_flash = sheet.add_frames([flash(walk[0])])
    battered = sheet.add_frames(hurt)
    battered_flash = sheet.add_frames([flash(hurt[0])])
    sheet.add_animation(4, plain, 'plain: legs wiggle (loops)')
    sheet.add_animation(8, plain_flash, 'hurt flash, played once')
    sheet.add_animation(4, battered, 'badly hurt (loops)')
    sheet.add_animation(8, battered_flash, 'badly hurt flash, played once')
    return sheet
