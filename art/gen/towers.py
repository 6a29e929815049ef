"""The three towers: laser turret, missile launcher and tesla coil, each a sprite sheet."""

import math

from gen.canvas import blank, from_ascii, opaque, outlined, paste_masked, tinted_red
from gen.sheet import Sheet

LASER_IDLE = [
    '...............',
    '...............',
    '...............',
    '.....kkkkk.....',
    '....kWbbbUk....',
    '....kgGGGdk....',
    '.....kgGdk.....',
    '.....kgGdk.....',
    '.....kgGdk.....',
    '....kWbbbUk....',
    '.....kgGdk.....',
    '.....kgGdk.....',
    '.....kgGdk.....',
    '...kkkgGdkkk...',
    '..kWBBuuuuunk..',
    '.kWBBuubbuuunk.',
    '.kBBuuuuuuunnk.',
    '.kBuuuuuuuunnk.',
    '.kkkkkkkkkkkkk.',
    '..kgGGGGGGGdk..',
    '...kgGGGGGdk...',
    '...kgGGGGGdk...',
    '..kgGGGGGGGdk..',
    '.kggGGGGGGGddk.',
    'kgGGGGGGGGGGGdk',
    'kkkkkkkkkkkkkkk',
]

# Muzzle flashes laid over the top rows of the idle picture while the laser fires.
LASER_FLASHES = [
    ['....b..w..b....',
     '.....bwwwb.....',
     '...bbwwwwwbb...',
     '.....bwwwb.....',
     '....kwwwwwk....'],
    ['.......b.......',
     '......bwb......',
     '....bbwwwbb....',
     '......bwb......',
     '....kWwwwUk....'],
    ['...............',
     '...............',
     '.......b.......',
     '......bwb......',
     '....kWwwbUk....'],
]


def laser_sheet():
    idle = from_ascii(LASER_IDLE)
    firing = []
    for flash in LASER_FLASHES:
        frame = idle.copy()
        paste_masked(frame, from_ascii(flash), 0, 0)
        firing.append(frame)
    sheet = Sheet('Laser turret: 15 x 26 frames')
    sheet.add_frames([idle, tinted_red(idle)] + firing)
    sheet.add_animation(1, [0], 'idle')
    sheet.add_animation(1, [1], 'the "cannot place here" preview, tinted red')
    sheet.add_animation(20, [2, 3, 4], 'firing, played once: muzzle flash')
    return sheet


MISSILE_BASE = [
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '...................',
    '.......kkkkk.......',
    '......kgggGdk......',
    '.....kggGGGGdk.....',
    '....kgGGGGGGGdk....',
    '..kkkkkkkkkkkkkkk..',
    '..kvvEEEEEEEEEEzk..',
    '.kvvEEEEEEEEEEEzzk.',
    '.kvEEEEEEEEEEEEEzk.',
    '.kyKyKyKyKyKyKyKyk.',
    '.kvEEEEEEEEEEEEEzk.',
    'kvvEEEEEEEEEEEEEzzk',
    'kvEEEEEEEEEEEEEEEzk',
    'kkkkkkkkkkkkkkkkkkk',
]

MISSILE_WIDTH, MISSILE_HEIGHT = 19, 24
MISSILE_PIVOT = (9, 13)
MISSILE_TUBE_LENGTH = 9.5
MISSILE_TUBE_RADIUS = 1.6
# Headings of the launch tube for the three poses, degrees anticlockwise from pointing right.
MISSILE_POSES = {'left': 135, 'up': 90, 'right': 45}


def missile_tube(angle_degrees, length):
    """The launch tube as a thick line out of the turret head, with a red band at its mouth."""
    layer = blank(MISSILE_WIDTH, MISSILE_HEIGHT)
    pixels = layer.load()
    px, py = MISSILE_PIVOT
    dx, dy = math.cos(math.radians(angle_degrees)), -math.sin(math.radians(angle_degrees))
    for y in range(MISSILE_HEIGHT):
        for x in range(MISSILE_WIDTH):
            rx, ry = x - px, y - py
            along = rx * dx + ry * dy
            across = rx * -dy + ry * dx
            if 0 <= along <= length and abs(across) <= MISSILE_TUBE_RADIUS:
                if along > length - 2:
                    letter = 'r' if across < -0.4 else 'R'
                elif across < -0.4:
                    letter = 'g'
                elif across < 0.4:
                    letter = 'G'
                else:
                    letter = 'd'
                pixels[x, y] = from_ascii([letter]).getpixel((0, 0))
    return outlined(layer)


def missile_pose(pose, recoil=0):
    frame = missile_tube(MISSILE_POSES[pose], MISSILE_TUBE_LENGTH - recoil)
    paste_masked(frame, from_ascii(MISSILE_BASE), 0, 0)
    return frame


def missile_flash(pose, size):
    """The launch blast just past the tube's mouth."""
    frame = missile_pose(pose, recoil=1)
    angle = math.radians(MISSILE_POSES[pose])
    cx = MISSILE_PIVOT[0] + math.cos(angle) * (MISSILE_TUBE_LENGTH + 0.5)
    cy = MISSILE_PIVOT[1] - math.sin(angle) * (MISSILE_TUBE_LENGTH + 0.5)
    pixels = frame.load()
    for y in range(MISSILE_HEIGHT):
        for x in range(MISSILE_WIDTH):
            d = math.hypot(x - cx, y - cy)
            if d <= size * 0.5:
                pixels[x, y] = from_ascii(['w']).getpixel((0, 0))
            elif d <= size:
                pixels[x, y] = from_ascii(['y' if (x + y) % 2 else 'o']).getpixel((0, 0))
    return frame


def missile_tower_sheet():
    left, up, right = missile_pose('left'), missile_pose('up'), missile_pose('right')
    sheet = Sheet('Missile turret: 19 x 24 frames')
    sheet.add_frames([left, tinted_red(left), right, up,
                      missile_flash('left', 2.2), missile_flash('left', 1.5),
                      missile_flash('right', 2.2), missile_flash('right', 1.5)])
    sheet.add_animation(1, [0], 'pose after a launch to the left')
    sheet.add_animation(1, [1], 'the "cannot place here" preview, tinted red')
    sheet.add_animation(1, [2], 'pose after a launch to the right')
    sheet.add_animation(12, [3, 4, 5, 0], 'launch to the left, played once: turn, blast, settle')
    sheet.add_animation(12, [3, 6, 7, 2], 'launch to the right, played once: turn, blast, settle')
    return sheet


TESLA_IDLE = [
    '.................',
    '......kkkkk......',
    '....kkWWWWWkk....',
    '...kWwwWWWWWbk...',
    '..kWwWWWWWWWWbk..',
    '..kWWWWWWWWWbbk..',
    '..kWWWWWWWWWbbk..',
    '..kWWWWWWWWbbbk..',
    '..kWWWWWWWbbbbk..',
    '...kWWWWWbbbbk...',
    '....kkbbbbbkk....',
    '......kkGkk......',
    '.....kkgGdkk.....',
    '....kOoooOOqk....',
    '....kqOOOOqqk....',
    '....kOoooOOqk....',
    '....kqOOOOqqk....',
    '....kOoooOOqk....',
    '....kqOOOOqqk....',
    '....kOoooOOqk....',
    '....kqOOOOqqk....',
    '...kkgggGGGdkk...',
    '...kgGGGGGGGdk...',
    '..kkkkkkkkkkkkk..',
    '..kgGGGGGGGGGdk..',
    '.kgGGGGGGGGGGGdk.',
    'kgGGGGGGGGGGGGGdk',
    'kkkkkkkkkkkkkkkkk',
]

# Little arcs crackling around the sphere: white pixels that get a blue glow where they meet the sky.
TESLA_ARCS = [
    [(1, 1), (2, 2), (1, 3), (2, 4)],
    [(15, 2), (14, 3), (15, 4), (15, 5), (16, 6)],
    [(1, 9), (0, 10), (1, 11), (0, 12)],
    [(14, 10), (15, 11), (14, 12), (16, 12)],
    [(6, 0), (5, 1), (4, 0)],
]
TESLA_ARC_FRAMES = [[], [0], [1], [0, 3], [2], [1, 2], [4, 3]]


def with_arcs(idle, points):
    """Draws white arc pixels and a one-pixel glow on the transparent pixels beside them."""
    frame = idle.copy()
    pixels = frame.load()
    white, glow = from_ascii(['w']).getpixel((0, 0)), from_ascii(['u']).getpixel((0, 0))
    for x, y in points:
        pixels[x, y] = white
    for x, y in points:
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < frame.width and 0 <= ny < frame.height and not opaque(frame, nx, ny):
                pixels[nx, ny] = glow
    return frame


def tesla_sheet():
    idle = from_ascii(TESLA_IDLE)
    frames = [with_arcs(idle, [p for arc in arcs for p in TESLA_ARCS[arc]]) for arcs in TESLA_ARC_FRAMES]
    sheet = Sheet('Tesla coil: 17 x 28 frames')
    sheet.add_frames(frames + [tinted_red(idle)])
    sheet.add_animation(10, [0, 1, 0, 2, 3, 0, 4, 5, 0, 6], 'idle, crackling (loops)')
    sheet.add_animation(1, [len(frames)], 'the "cannot place here" preview, tinted red')
    return sheet
