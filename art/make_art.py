#!/usr/bin/python3
"""Generates every picture of the game as editable sources under art/images (PNG + sheet text).

Run with Debian's python3 and PIL:  /usr/bin/python3 art/make_art.py
Then pack them into data/ with scripts/pack-data.sh. Rerunning overwrites art/images, so a
picture touched up by hand should have its drawing here updated too.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen import app_icon, check, effects, fonts, hud, icons, invader, kinds, scenery, towers  # noqa: E402

OUT = os.path.join(HERE, 'images')
ICONS = os.path.join(HERE, 'icons')


def images():
    """Single pictures: name -> (image, drawn masked)."""
    result = {
        'bg': (scenery.background(), False),
        'redbar': (hud.red_bar(), True),
        'slots': (hud.slots(), True),
        'icons': (icons.tower_icons(), True),
        'upgrade_icons': (icons.upgrade_icons(), True),
        'laser_small': (effects.laser_bolt(), True),
        'selector': (hud.selector(), True),
        'app_icon': (app_icon.base_icon(), True),
    }
    for number, cloud in enumerate(scenery.clouds(), 1):
        result['cloud%d' % number] = (cloud, True)
    for name, font in fonts.all_fonts().items():
        result[name] = (font, True)
    return result


def sheets():
    result = {
        'poof': effects.poof_sheet(),
        'explosion_small': effects.explosion_sheet(),
        'puff2': effects.puff_sheet(),
        'missile': effects.missile_sheet(),
        'laser': towers.laser_sheet(),
        'missile_tower': towers.missile_tower_sheet(),
        'tesla': towers.tesla_sheet(),
        'squibble': invader.squibble_sheet(),
    }
    result.update(kinds.all_sheets())
    return result


def main():
    os.makedirs(OUT, exist_ok=True)
    problems = []
    for name, (image, masked) in images().items():
        image.save(os.path.join(OUT, name + '.png'))
        extra = [fonts.SEPARATOR] if name.startswith('font_') else []
        problems += check.check_palette(name, image, extra)
        if not masked:
            problems += check.check_opaque(name, image)
        if name.startswith('font_'):
            height = fonts.MAIN_HEIGHT if name.startswith('font_main') else fonts.SMALL_HEIGHT
            problems += check.check_font(name, image, height)
    for name, sheet in sheets().items():
        sheet.save(OUT, name)
        problems += check.check_palette(name, sheet.image())
        problems += check.check_sheet(name, sheet)
    os.makedirs(ICONS, exist_ok=True)
    for size, icon in app_icon.app_icons().items():
        icon.save(os.path.join(ICONS, 'squibble-siege-%d.png' % size))
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
