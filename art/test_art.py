#!/usr/bin/python3
"""Checks the committed art sources the way the game reads them, so a hand edit that breaks a
layout is caught: run  /usr/bin/python3 art/test_art.py  from anywhere."""

import os
import string
import sys
import unittest

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen.check import cut_font  # noqa: E402
from gen.palette import ALLOWED, LETTERS, MASK  # noqa: E402

IMAGES = os.path.join(HERE, 'images')
OUTLINE = LETTERS['k']


def load(name):
    return Image.open(os.path.join(IMAGES, name + '.png')).convert('RGB')


def read_sheet(name):
    """Parses a sheet description into (frames, animations) as the asset tool does."""
    frames, animations = [], []
    with open(os.path.join(IMAGES, name + '.txt')) as description:
        for line in description:
            words = line.split()
            if not words or words[0].startswith('#'):
                continue
            if words[0] == 'frame':
                frames.append(tuple(int(w) for w in words[1:5]))
            elif words[0] == 'grid':
                x, y, w, h, count = (int(v) for v in words[1:6])
                frames += [(x + i * w, y, w, h) for i in range(count)]
            elif words[0] == 'animation':
                animations.append((float(words[1]), [int(w) for w in words[2:]]))
            else:
                raise ValueError('%s: unknown line %r' % (name, line))
    return frames, animations


def has_mask(image, box=None):
    region = image.crop(box) if box else image
    return MASK in set(region.getdata())


class Palette(unittest.TestCase):
    def test_every_picture_keeps_to_the_palette(self):
        for file in sorted(os.listdir(IMAGES)):
            if not file.endswith('.png'):
                continue
            image = load(file[:-4])
            colours = set(image.getdata())
            if file.startswith('font_'):
                colours.discard(image.getpixel((0, 0)))
            self.assertEqual(colours - ALLOWED, set(), file)


class SingleImages(unittest.TestCase):
    def test_background_fills_the_field_without_transparency(self):
        bg = load('bg')
        self.assertEqual(bg.size, (320, 240))
        self.assertFalse(has_mask(bg))

    def test_health_bar_fill_and_frame_are_solid(self):
        bar = load('redbar')
        self.assertGreaterEqual(bar.width, 53)
        self.assertGreaterEqual(bar.height, 20)
        self.assertFalse(has_mask(bar, (1, 1, 51, 8)))
        self.assertFalse(has_mask(bar, (0, 10, 53, 20)))

    def test_button_and_icon_strips_have_their_cells(self):
        self.assertEqual(load('slots').size, (76, 19))
        self.assertEqual(load('icons').size, (64, 32))
        upgrade = load('upgrade_icons')
        self.assertEqual(upgrade.height, 32)
        self.assertEqual(upgrade.width % 16, 0)
        self.assertGreaterEqual(upgrade.width // 16, 14)

    def test_each_icon_has_a_greyed_twin_below(self):
        for name in ('icons', 'upgrade_icons'):
            image = load(name)
            for x in range(image.width):
                for y in range(16):
                    top, bottom = image.getpixel((x, y)), image.getpixel((x, y + 16))
                    self.assertEqual(top == MASK, bottom == MASK, '%s at %d, %d' % (name, x, y))
                    if bottom != MASK:
                        r, g, b = bottom
                        self.assertLess(max(r, g, b) - min(r, g, b), 40, '%s grey at %d, %d' % (name, x, y))

    def test_tower_icons_leave_column_zero_blank_and_fill_the_others(self):
        icons = load('icons')
        self.assertEqual(set(icons.crop((0, 0, 16, 32)).getdata()), {MASK})
        for kind in range(3):
            self.assertNotEqual(set(icons.crop((16 * kind + 16, 0, 16 * kind + 32, 16)).getdata()), {MASK})

    def test_clouds_grow_from_small_to_large(self):
        widths = [load('cloud%d' % n).width for n in range(1, 6)]
        self.assertEqual(widths, sorted(widths))
        self.assertEqual(len(set(widths)), 5)


class Fonts(unittest.TestCase):
    def test_fonts_cut_into_every_printable_character(self):
        for name, tallest in (('font_main', 10), ('font_main_red', 10), ('font_small', 8),
                              ('font_small_red', 8)):
            glyphs = cut_font(load(name))
            self.assertEqual(sorted(glyphs), list(range(32, 127)), name)
            heights = {h for _, _, _, h in glyphs.values()}
            self.assertEqual(len(heights), 1, name)
            self.assertLessEqual(heights.pop(), tallest, name)
            self.assertIn(glyphs[32][2], (2, 3, 4), name + ' space width')

    def test_red_fonts_match_their_plain_twins(self):
        for plain, red in (('font_main', 'font_main_red'), ('font_small', 'font_small_red')):
            self.assertEqual(cut_font(load(plain)), cut_font(load(red)))

    def test_separator_colour_never_appears_inside_a_cell(self):
        for name in ('font_main', 'font_small'):
            image = load(name)
            separator = image.getpixel((0, 0))
            for x, y, w, h in cut_font(image).values():
                self.assertNotIn(separator, set(image.crop((x, y, x + w, y + h)).getdata()), name)

    def test_letters_and_digits_tell_apart_at_one_pixel_a_dot(self):
        # Any two letters differ by 2 pixels and any two digits by 3, however one is slid
        # sideways over the other; a lowercase letter is either as tall as the capitals or
        # starts at the x-height, so it never reads as a shrunken capital ("DeStroyed").
        letters = string.ascii_letters
        for name in ('font_main', 'font_small'):
            image = load(name)
            cells = cut_font(image)
            ink = {c: ink_rows(image, cells[ord(c)]) for c in letters + string.digits}
            for group, least in ((letters, 2), (string.digits, 3)):
                for i, first in enumerate(group):
                    for second in group[i + 1:]:
                        self.assertGreaterEqual(ink_distance(ink[first], ink[second]), least,
                                                '%s: %s and %s' % (name, first, second))
            top = {c: min(y for y, row in enumerate(ink[c]) if any(row)) for c in letters}
            allowed = {top['H'], top['x']}
            self.assertLess(top['H'], top['x'], name)
            for c in string.ascii_lowercase:
                self.assertIn(top[c], allowed, '%s: %s starts on row %d' % (name, c, top[c]))


class Sheets(unittest.TestCase):
    def check_sheet(self, name, animation_count):
        frames, animations = read_sheet(name)
        image = load(name)
        self.assertGreaterEqual(len(animations), animation_count, name)
        for x, y, w, h in frames:
            self.assertTrue(x >= 0 and y >= 0 and x + w <= image.width and y + h <= image.height, name)
        for fps, sequence in animations:
            self.assertGreater(fps, 0, name)
            self.assertTrue(sequence and all(0 <= f < len(frames) for f in sequence), name)
        return frames, animations

    def test_effects_have_one_short_animation(self):
        for name, shortest, longest in (('poof', 4, 6), ('explosion_small', 5, 8), ('puff2', 3, 5)):
            _, animations = self.check_sheet(name, 1)
            self.assertTrue(shortest <= len(animations[0][1]) <= longest, name)

    def test_missile_has_sixteen_headings(self):
        frames, animations = self.check_sheet('missile', 16)
        self.assertEqual(len(animations), 16)
        right, up = frames[animations[0][1][0]], frames[animations[4][1][0]]
        image = load('missile')
        # The right-pointing rocket is wider than tall; the upward one taller than wide.
        self.assertGreater(*ink_extent(image, right))
        self.assertLess(*ink_extent(image, up))

    def test_towers_keep_one_frame_size_and_have_their_animations(self):
        for name, animation_count in (('laser', 3), ('missile_tower', 5), ('tesla', 2)):
            frames, _ = self.check_sheet(name, animation_count)
            sizes = {(w, h) for _, _, w, h in frames}
            self.assertEqual(len(sizes), 1, name)
            w, h = sizes.pop()
            self.assertTrue(14 <= w <= 20 and 20 <= h <= 28, '%s is %d x %d' % (name, w, h))

    def test_previews_are_tinted_red(self):
        for name in ('laser', 'missile_tower', 'tesla'):
            frames, animations = read_sheet(name)
            x, y, w, h = frames[animations[1][1][0]]
            # Everything but the dark outline turns red.
            colours = [c for c in load(name).crop((x, y, x + w, y + h)).getdata() if c not in (MASK, OUTLINE)]
            self.assertGreater(len(colours), 0, name)
            reddish = [c for c in colours if c[0] >= c[1] and c[0] >= c[2]]
            self.assertEqual(len(reddish), len(colours), name)

    def test_invader_has_plain_hurt_and_flash_animations(self):
        frames, animations = self.check_sheet('squibble', 4)
        sizes = {(w, h) for _, _, w, h in frames}
        self.assertEqual(len(sizes), 1)
        w, h = sizes.pop()
        self.assertTrue(12 <= w <= 16 and h <= 16)
        image = load('squibble')
        for flash in (1, 3):
            x, y, w, h = frames[animations[flash][1][0]]
            colours = set(image.crop((x, y, x + w, y + h)).getdata()) - {MASK}
            self.assertIn((255, 255, 255), colours)


class AppIcon(unittest.TestCase):
    """The desktop icons: one 16 x 16 drawing in palette colours, enlarged by whole factors."""

    def test_every_size_is_the_small_icon_enlarged(self):
        small = Image.open(os.path.join(HERE, 'icons', 'squibble-siege-16.png'))
        self.assertEqual((small.mode, small.size), ('RGBA', (16, 16)))
        for size in (32, 48, 64, 128, 256):
            icon = Image.open(os.path.join(HERE, 'icons', 'squibble-siege-%d.png' % size))
            self.assertEqual((icon.mode, icon.size), ('RGBA', (size, size)))
            self.assertEqual(list(icon.getdata()), list(small.resize((size, size), Image.NEAREST).getdata()))

    def test_small_icon_is_palette_ink_on_clear_ground(self):
        pixels = list(Image.open(os.path.join(HERE, 'icons', 'squibble-siege-16.png')).getdata())
        for pixel in pixels:
            self.assertIn(pixel[3], (0, 255))
            if pixel[3]:
                self.assertIn(pixel[:3], ALLOWED - {MASK})
        self.assertEqual(pixels[0][3], 0)
        self.assertGreater(sum(1 for pixel in pixels if pixel[3]), 150)


def ink_extent(image, frame):
    """Width and height of the opaque part of a frame."""
    x, y, w, h = frame
    box = image.crop((x, y, x + w, y + h))
    xs = [px for px in range(w) for py in range(h) if box.getpixel((px, py)) != MASK]
    ys = [py for px in range(w) for py in range(h) if box.getpixel((px, py)) != MASK]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def ink_rows(image, box):
    """A glyph cell as rows of booleans: True where there is ink (neither ground nor outline)."""
    x, y, w, h = box
    return [[image.getpixel((x + cx, y + cy)) not in (MASK, OUTLINE) for cx in range(w)] for cy in range(h)]


def ink_distance(first, second):
    """The fewest pixels two glyphs differ by, over every sideways shift of one on the other."""
    wa, wb = len(first[0]), len(second[0])

    def at(row, x):
        return 0 <= x < len(row) and row[x]
    return min(sum(at(ra, x) != at(rb, x - shift) for ra, rb in zip(first, second)
                   for x in range(min(0, shift), max(wa, shift + wb)))
               for shift in range(-wb, wa + 1))


if __name__ == '__main__':
    unittest.main()
