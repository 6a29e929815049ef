#!/usr/bin/python3
"""Lists the glyph pairs of each pixel font that differ by one or two pixels, the ones a reader can
mistake for each other, and lays them out on a scaled-up contact sheet with a few test lines:
/usr/bin/python3 art/glyph_pairs.py OUT.png"""

import itertools
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen import fonts  # noqa: E402
from gen.canvas import blank, paste_masked  # noqa: E402
from gen.check import render_text  # noqa: E402
from gen.glyphs import MAIN, MAIN_ROWS, SMALL, SMALL_ROWS, rows_of  # noqa: E402
from gen.palette import LETTERS  # noqa: E402

SCALE = 4
SAMPLES = ['Speed 9:22 Time played 9:22', 'Threat: Heavy for your defence', '0123456789 e c o a s 3 9 8 6',
           'Damage 12.5/s Range 40 Blast 9']


def close_pairs(table, rows, most=2):
    """Pairs of glyphs of one width whose drawings differ in at most `most` pixels."""
    drawn = {char: rows_of(drawing, rows) for char, drawing in table.items() if char != ' '}
    pairs = []
    for a, b in itertools.combinations(sorted(drawn), 2):
        if len(drawn[a][0]) != len(drawn[b][0]):
            continue
        differ = sum(x != y for ra, rb in zip(drawn[a], drawn[b]) for x, y in zip(ra, rb))
        if differ <= most:
            pairs.append((a, b, differ))
    return pairs


def main(out):
    fonts_drawn = fonts.all_fonts()
    lines = []
    for name, table, rows in (('font_small', SMALL, SMALL_ROWS), ('font_main', MAIN, MAIN_ROWS)):
        image = fonts_drawn[name]
        pairs = close_pairs(table, rows)
        print(name, ' '.join('%s%s:%d' % pair for pair in pairs))
        lines.append(render_text(image, name + ' pairs:', 1))
        text = '  '.join(a + b for a, b, _ in pairs)
        for start in range(0, len(text), 60):
            lines.append(render_text(image, text[start:start + 60], 1))
        lines += [render_text(image, sample, 1) for sample in SAMPLES]
    width = max(line.width for line in lines) + 4
    height = sum(line.height + 2 for line in lines) + 4
    page = blank(width, height, LETTERS['G'])
    y = 2
    for line in lines:
        paste_masked(page, line, 2, y)
        y += line.height + 2
    page.resize((width * SCALE, height * SCALE), Image.NEAREST).save(out)


if __name__ == '__main__':
    main(sys.argv[1])
