"""Builds the four font images: glyph cells on magenta, separated by lines of a separator colour."""

from gen.canvas import blank, from_ascii, outlined, paste_masked, recoloured
from gen.glyphs import MAIN, MAIN_ROWS, SMALL, SMALL_ROWS, rows_of
from gen.palette import LETTERS

# A palette colour that no glyph uses; it only ever marks the cell borders.
SEPARATOR = LETTERS['l']
FIRST_CHAR = 32
LAST_CHAR = 126
ROW_BREAKS = (64, 96)  # each of these characters starts a new row of cells
SPACE_WIDTH = 3

MAIN_HEIGHT = MAIN_ROWS + 2
SMALL_HEIGHT = SMALL_ROWS + 1


def ink(drawing, rows, top_colour, bottom_colour, split_row):
    """The glyph's ink: lighter on the upper rows, as if lit from above."""
    lines = rows_of(drawing, rows)
    coloured = [''.join(('t' if y < split_row else 'b') if c == '#' else '.' for c in line)
                for y, line in enumerate(lines)]
    return from_ascii(coloured, {'t': top_colour, 'b': bottom_colour})


def main_glyph(char, top_colour, bottom_colour):
    """Main font: ink with a dark outline all round, so it reads on any sky colour."""
    if char == ' ':
        return blank(SPACE_WIDTH, MAIN_HEIGHT)
    glyph = ink(MAIN[char], MAIN_ROWS, top_colour, bottom_colour, 3)
    cell = blank(glyph.width + 2, MAIN_HEIGHT)
    paste_masked(cell, glyph, 1, 1)
    return outlined(cell, LETTERS['k'], diagonal=True)


def small_glyph(char, colour):
    """Small font: one-colour ink with a dark shadow one pixel right and down."""
    if char == ' ':
        return blank(SPACE_WIDTH, SMALL_HEIGHT)
    glyph = ink(SMALL[char], SMALL_ROWS, colour, colour, SMALL_ROWS)
    cell = blank(glyph.width + 1, SMALL_HEIGHT)
    shadow = recoloured(glyph, lambda colour: LETTERS['k'])
    paste_masked(cell, shadow, 1, 1)
    paste_masked(cell, glyph, 0, 0)
    return cell


def font_image(cells):
    """Lays the cells out in rows, with a separator border and separator lines between cells."""
    rows = [[]]
    for code, cell in enumerate(cells, FIRST_CHAR):
        if code in ROW_BREAKS:
            rows.append([])
        rows[-1].append(cell)
    height = cells[0].height
    width = 1 + max(sum(c.width + 1 for c in row) for row in rows)
    image = blank(width, 1 + len(rows) * (height + 1), SEPARATOR)
    y = 1
    for row in rows:
        x = 1
        for cell in row:
            image.paste(cell, (x, y))
            x += cell.width + 1
        y += height + 1
    return image


def characters():
    return [chr(c) for c in range(FIRST_CHAR, LAST_CHAR + 1)]


def main_font(top_colour, bottom_colour):
    return font_image([main_glyph(c, top_colour, bottom_colour) for c in characters()])


def small_font(colour):
    return font_image([small_glyph(c, colour) for c in characters()])


def all_fonts():
    """Image name -> font image, for the four fonts the game loads."""
    return {
        'font_main': main_font(LETTERS['w'], LETTERS['W']),
        'font_main_red': main_font(LETTERS['r'], LETTERS['R']),
        'font_small': small_font(LETTERS['w']),
        'font_small_red': small_font(LETTERS['r']),
    }
