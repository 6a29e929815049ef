"""The Mixed mode's invader kinds, drawn as the Squibble is: a shaded body, a face laid over it, a
dark outline, two walking frames, a battered pair and the white hurt flashes.

- armoured: a steel-grey Squibble under a riveted helmet plate;
- mite: a small green hopper, 8 wide;
- shielded: a blue Squibble carrying a shield emitter on its head;
- splitter: an orange Squibble with a seam down its middle, where it splits in two;
- boss: a big red creature, two block cells wide, with horns and a wide mouth.
"""

from gen.canvas import blank, from_ascii, outlined, paste_masked
from gen.invader import BATTERED_LEGS_IN, BATTERED_LEGS_OUT, BODY, FACE, LEGS_IN, LEGS_OUT, flash
from gen.sheet import Sheet

BATTERED_FACE = [
    '............',
    '............',
    '.mkm...ww...',
    '..m....wK...',
    '.......wK...',
    '....kkk.....',
    '.k..........',
    '..k.........',
]
# Overlays of each kind, drawn over the face.
HELMET = [
    'gggggggggg..',
    'GgGGGGGGgG..',
    '.G.G.G.G.G..',
]
SEAM = [
    '......k.....',
    '.....k......',
    '......k.....',
    '.....k......',
    '......k.....',
    '.....k......',
    '......k.....',
    '.....k......',
]
EMITTER = [
    '....bwb.....',
    '.....B......',
]


def shade(silhouette, light, mid, dark):
    """The body's ink in three shades, lit from the upper left."""
    height, width = len(silhouette), max(len(row) for row in silhouette)
    silhouette = [row.ljust(width, '.') for row in silhouette]

    def ink(x, y):
        return 0 <= x < width and 0 <= y < height and silhouette[y][x] == '#'

    rows = []
    for y in range(height):
        row = ''
        for x in range(width):
            if not ink(x, y):
                row += '.'
            elif not ink(x, y - 1) and x < width // 2 or not ink(x - 1, y) and y < height // 2:
                row += light
            elif not ink(x, y + 1) or not ink(x + 1, y):
                row += dark
            else:
                row += mid
        rows.append(row)
    return from_ascii(rows)


def creature(size, body, legs, face, inks, overlay=None, at=(0, 0)):
    frame = blank(*size)
    paste_masked(frame, shade(body + legs, *inks), 1, 1)
    paste_masked(frame, from_ascii(face), 1, 1)
    if overlay:
        paste_masked(frame, from_ascii(overlay), 1 + at[0], 1 + at[1])
    return outlined(frame)


def four_animations(title, walk, hurt):
    sheet = Sheet(title)
    plain = sheet.add_frames(walk)
    plain_flash = sheet.add_frames([flash(walk[0])])
    battered = sheet.add_frames(hurt)
    battered_flash = sheet.add_frames([flash(hurt[0])])
    sheet.add_animation(4, plain, 'plain: legs wiggle (loops)')
    sheet.add_animation(8, plain_flash, 'hurt flash, played once')
    sheet.add_animation(4, battered, 'badly hurt (loops)')
    sheet.add_animation(8, battered_flash, 'badly hurt flash, played once')
    return sheet


def squibble_like(title, inks, overlay=None, at=(0, 0)):
    size = (14, 12)
    walk = [creature(size, BODY, legs, FACE, inks, overlay, at) for legs in (LEGS_OUT, LEGS_IN)]
    hurt = [creature(size, BODY, legs, BATTERED_FACE, inks, overlay, at)
            for legs in (BATTERED_LEGS_OUT, BATTERED_LEGS_IN)]
    return four_animations(title, walk, hurt)


def armoured_sheet():
    return squibble_like('Armoured invader: 14 x 12 frames', 'gGd', HELMET, (1, 0))


def shielded_sheet():
    return squibble_like('Shielded invader: 14 x 12 frames', 'BuU', EMITTER, (0, 0))


def splitter_sheet():
    return squibble_like('Splitter invader: 14 x 12 frames', 'soO', SEAM, (0, 0))


MITE_BODY = [
    '..####..',
    '.######.',
    '########',
    '########',
    '.######.',
]
MITE_LEGS = [['#.#..#.#'], ['.#.##.#.']]
MITE_FACE = [
    '........',
    '..w..w..',
    '..K..K..',
    '........',
    '........',
]
MITE_HURT_FACE = [
    '........',
    '.mk..w..',
    '.....K..',
    '...kk...',
    '........',
]


def walking_sheet(title, size, body, legs_frames, face, hurt_face, inks):
    """A kind drawn whole from its own body, legs and faces: walking, then hurt."""
    walk = [creature(size, body, legs, face, inks) for legs in legs_frames]
    hurt = [creature(size, body, legs, hurt_face, inks) for legs in legs_frames]
    return four_animations(title, walk, hurt)


def mite_sheet():
    return walking_sheet('Mite invader: 10 x 8 frames', (10, 8), MITE_BODY, MITE_LEGS, MITE_FACE, MITE_HURT_FACE, 'lLE')


BOSS_BODY = [
    '..##......................##..',
    '..###....................###..',
    '...####################.###...',
    '..##########################..',
    '.############################.',
    '##############################',
    '##############################',
    '##############################',
    '##############################',
    '##############################',
    '##############################',
    '.############################.',
    '..##########################..',
]
BOSS_LEGS = [
    ['..###..###...####...###..###..', '..#.#..#.#...#..#...#.#..#.#..'],
    ['...###..###..####..###..###...', '...#.#..#.#..#..#..#.#..#.#...'],
]
BOSS_FACE = [
    '..............................',
    '..............................',
    '..............................',
    '.....www..........www.........',
    '....wwKKw........wKKww........',
    '....wwKKw........wKKww........',
    '.....www..........www.........',
    '..............................',
    '.......kkkkkkkkkkkkkk.........',
    '.......kwkwkwkwkwkwkk.........',
    '........kkkkkkkkkkkk..........',
    '..............................',
    '..............................',
]
BOSS_HURT_FACE = [
    '..............................',
    '..............................',
    '..............................',
    '....mk.k..........www.........',
    '.....mk..........wKKww........',
    '....k.km.........wKKww........',
    '..................www.........',
    '..............................',
    '.......kkkkkkkkkkkkkk.........',
    '.......kwk.kwkwk.kwkk.........',
    '...k....kkkkkkkkkkkk....k.....',
    '....k..................k......',
    '..............................',
]


def boss_sheet():
    return walking_sheet('Boss invader: 34 x 18 frames', (34, 18), BOSS_BODY, BOSS_LEGS, BOSS_FACE, BOSS_HURT_FACE,
                         'rRm')


def all_sheets():
    return {
        'armoured': armoured_sheet(),
        'mite': mite_sheet(),
        'shielded': shielded_sheet(),
        'splitter': splitter_sheet(),
        'boss': boss_sheet(),
    }
