#!/usr/bin/python3
"""Lays every art source out on one labelled page, scaled up, for review:
/usr/bin/python3 art/contact_sheet.py OUT.png"""

import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen.canvas import blank, paste_masked  # noqa: E402
from gen.check import render_text  # noqa: E402
from gen.palette import LETTERS  # noqa: E402

IMAGES = os.path.join(HERE, 'images')
PAGE_WIDTH = 330
SCALE = 3
ORDER = ['bg', 'laser', 'missile_tower', 'tesla', 'squibble', 'missile', 'poof', 'explosion_small',
         'puff2', 'laser_small', 'cloud1', 'cloud2', 'cloud3', 'cloud4', 'cloud5', 'selector', 'slots',
         'redbar', 'icons', 'upgrade_icons', 'font_main', 'font_main_red', 'font_small', 'font_small_red']


def main(out):
    font = Image.open(os.path.join(IMAGES, 'font_small.png')).convert('RGB')
    placed, x, y, row_height = [], 4, 4, 0
    for name in ORDER:
        image = Image.open(os.path.join(IMAGES, name + '.png')).convert('RGB')
        label = render_text(font, name, 0)
        width = max(image.width, label.width)
        if x + width > PAGE_WIDTH:
            x, y, row_height = 4, y + row_height + 6, 0
        placed.append((image, label, x, y))
        row_height = max(row_height, image.height + label.height + 2)
        x += width + 8
    page = blank(PAGE_WIDTH + 4, y + row_height + 4, LETTERS['G'])
    for image, label, px, py in placed:
        paste_masked(page, label, px, py)
        paste_masked(page, image, px, py + label.height + 2)
    page.resize((page.width * SCALE, page.height * SCALE), Image.NEAREST).save(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '/tmp/art_contact.png')
