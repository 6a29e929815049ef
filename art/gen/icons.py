"""16 x 16 icons for the build bar (tower miniatures) and the upgrade bar."""

from gen.canvas import blank, from_ascii, greyed, outlined, paste_masked

SIZE = 16

# Ink only; the dark outline is added round each drawing.
LASER = [
    '................',
    '......WbbU......',
    '......gGGd......',
    '.......gd.......',
    '.......gd.......',
    '......WbbU......',
    '.......gd.......',
    '.......gd.......',
    '.....kkkkkk.....',
    '....WBBuuuun....',
    '....BBuuuunn....',
    '....kkkkkkkk....',
    '.....gGGGGd.....',
    '....gGGGGGGd....',
    '...gGGGGGGGGd...',
    '................',
]

MISSILE = [
    '................',
    '................',
    '.rR.............',
    '.rRR............',
    '..gGd...........',
    '...gGd..........',
    '....gGd.........',
    '.....gGd........',
    '.....ggGGd......',
    '....gGGGGGd.....',
    '...kkkkkkkkkk...',
    '...vEEEEEEEEz...',
    '..yKyKyKyKyKyK..',
    '..vEEEEEEEEEEz..',
    '.vEEEEEEEEEEEEz.',
    '................',
]

TESLA = [
    '................',
    '......WWWW......',
    '.....WwWWWb.....',
    '.....WWWWWb.....',
    '.....WWWWbb.....',
    '.....WWWbbb.....',
    '......bbbb......',
    '.......kk.......',
    '......oOOq......',
    '......qOqq......',
    '......oOOq......',
    '......qOqq......',
    '.....kkkkkk.....',
    '....gGGGGGGd....',
    '...gGGGGGGGGd...',
    '................',
]

DEMOLISH = [
    '................',
    '.RR.........RR..',
    '.RrR...gd..RrR..',
    '..RrR..gd.RrR...',
    '...RrR.gdRrR....',
    '....RrRbRrR.....',
    '.....RrrrR......',
    '.....WRrrRn.....',
    '....WRrRRrRn....',
    '....RrRuuRrR....',
    '...RrRkkkkRrR...',
    '..RrR.GGGG.RrR..',
    '.RrR.gGGGGd.RrR.',
    '.RR.gGGGGGGd.RR.',
    '................',
    '................',
]

LASER_RATE = [
    '................',
    '..w...w.....y...',
    '.bwb.bwb...yyy..',
    '.bwb.bwb..yy.yy.',
    '.bWb.bWb..y...y.',
    '.bWb.bWb....y...',
    '.uWu.uWu...yyy..',
    '..b...b...yy.yy.',
    '..u...u...y...y.',
    '..w...w.........',
    '.bwb.bwb........',
    '.bWb.bWb........',
    '.uWu.uWu........',
    '..u...u.........',
    '................',
    '................',
]

LASER_MISSILE = [
    '................',
    '.....R..........',
    '....rRR.........',
    '....wgg.........',
    '....wgg.........',
    '....wgg.....L...',
    '....wgg.....L...',
    '...Gwgg G.LLLLL.',
    '..GGwggGG...L...',
    '..GG.o.GG...L...',
    '.....y..........',
    '.....o..........',
    '................',
    '................',
    '................',
    '................',
]

MISSILE_RATE = [
    '................',
    '....R.......y...',
    '...rRR.....yyy..',
    '...wgg....yy.yy.',
    '...wgg....y...y.',
    '...wgg......y...',
    '..GwggG....yyy..',
    '.GGwggGG..yy.yy.',
    '.GG.o.GG..y...y.',
    '....y...........',
    '....o...........',
    '....y...........',
    '................',
    '................',
    '................',
    '................',
]

WIDER_BLAST = [
    '................',
    '.w....w....w....',
    '..w...w...w.....',
    '....yyyyy.......',
    '...yyoooyy......',
    '...yoRRRoy......',
    'wwyoRwwwRoyww...',
    '...yoRRRoy......',
    '...yyoooyy......',
    '....yyyyy.......',
    '..w...w...w.....',
    '.w....w....w....',
    '................',
    '................',
    '................',
    '................',
]

DOUBLE_LAUNCH = [
    '................',
    '...R.......R....',
    '..rRR.....rRR...',
    '..wgg.....wgg...',
    '..wgg.....wgg...',
    '..wgg.....wgg...',
    '..wgg.....wgg...',
    '.GwggG...GwggG..',
    '.GGGGG...GGGGG..',
    '...o.......o....',
    '...y.......y....',
    '...o.......o....',
    '...y.......y....',
    '................',
    '................',
    '................',
]

TESLA_DAMAGE = [
    '................',
    '......yyyy...R..',
    '.....yywy....R..',
    '....yywy...RRRRR',
    '...yywy......R..',
    '..yywyyyy....R..',
    '.yywwwwwy.......',
    '.yyyyywy........',
    '....ywy.........',
    '...ywy..........',
    '..ywy...........',
    '.yyy............',
    '.yy.............',
    'y...............',
    '................',
    '................',
]

PIP = ['yy', 'yy']


def icon(drawing):
    return outlined(from_ascii([row.replace(' ', '.') for row in drawing]))


def with_pips(image, count):
    """Marks a later level of an upgrade with count yellow pips along the bottom right."""
    result = image.copy()
    pips = blank(SIZE, SIZE)
    for i in range(count):
        paste_masked(pips, from_ascii(PIP), SIZE - 3 - 3 * i, SIZE - 3)
    paste_masked(result, outlined(pips), 0, 0)
    return result


def icon_strip(icons):
    """Normal icons on the top row, the same icons greyed on the row below."""
    strip = blank(SIZE * len(icons), SIZE * 2)
    for i, image in enumerate(icons):
        strip.paste(image, (i * SIZE, 0))
        strip.paste(greyed(image), (i * SIZE, SIZE))
    return strip


def tower_icons():
    """Column 0 stays empty: tower kind k uses column k + 1."""
    return icon_strip([blank(SIZE, SIZE), icon(LASER), icon(MISSILE), icon(TESLA)])


UPGRADE_ICONS = [
    ('demolish', DEMOLISH, 0),
    ('laser faster rate', LASER_RATE, 0),
    ('laser missile launcher', LASER_MISSILE, 0),
    ('missile faster rate', MISSILE_RATE, 0),
    ('wider blast', WIDER_BLAST, 0),
    ('double launch', DOUBLE_LAUNCH, 0),
    ('tesla more damage', TESLA_DAMAGE, 0),
    ('laser faster rate, level 2', LASER_RATE, 2),
    ('laser faster rate, level 3', LASER_RATE, 3),
    ('missile faster rate, level 2', MISSILE_RATE, 2),
    ('wider blast, level 2', WIDER_BLAST, 2),
    ('wider blast, level 3', WIDER_BLAST, 3),
    ('tesla more damage, level 2', TESLA_DAMAGE, 2),
    ('tesla more damage, level 3', TESLA_DAMAGE, 3),
    ('missile faster rate, level 3', MISSILE_RATE, 3),
]


def upgrade_icons():
    return icon_strip([with_pips(icon(drawing), pips) for _, drawing, pips in UPGRADE_ICONS])
