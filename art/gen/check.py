"""Checks the generated art the way the game will read it: font cutting, palette, frame layout."""

from gen.canvas import blank
from gen.palette import ALLOWED, MASK


def cut_font(image):
    """Cuts glyph cells exactly as the game's font loader does; returns {code: (x, y, w, h)}."""
    pixels = image.load()
    width, height = image.size

    def pixel(x, y):
        return pixels[x, y] if 0 <= x < width and 0 <= y < height else None

    separator = pixel(0, 0)
    glyphs = {}
    code, top, left = 32, 1, 1
    while True:
        right = left
        while pixel(right, top) is not None and pixel(right, top) != separator:
            right += 1
        bottom = top
        while pixel(left, bottom) is not None and pixel(left, bottom) != separator:
            bottom += 1
        glyphs[code] = (left, top, right - left, bottom - top)
        code = (code + 1) % 256
        x = right
        while pixel(x, top) == separator:
            x += 1
        if x < width and pixel(x, top) is not None:
            left = x
            continue
        y = bottom
        while pixel(1, y) == separator:
            y += 1
        if y < height and pixel(1, y) is not None:
            top, left = y, 1
            continue
        return glyphs


def render_text(font_image, text, kerning):
    """Draws text with a font image as the game would, on a magenta ground."""
    glyphs = cut_font(font_image)
    width = sum(glyphs[ord(c)][2] + kerning for c in text if ord(c) in glyphs) + 2
    height = max(g[3] for g in glyphs.values())
    result = blank(max(width, 1), height)
    pen = 0
    for char in text:
        if ord(char) not in glyphs:
            continue
        x, y, w, h = glyphs[ord(char)]
        cell = font_image.crop((x, y, x + w, y + h))
        for cy in range(h):
            for cx in range(w):
                colour = cell.getpixel((cx, cy))
                if colour != MASK and 0 <= pen + cx < result.width:
                    result.putpixel((pen + cx, cy), colour)
        pen += w + kerning
    return result


def check_font(name, image, expected_height):
    glyphs = cut_font(image)
    problems = []
    if sorted(glyphs) != list(range(32, 127)):
        problems.append('%s: cuts characters %d..%d, want 32..126' % (name, min(glyphs), max(glyphs)))
    for code, (x, y, w, h) in glyphs.items():
        if h != expected_height:
            problems.append('%s: %r is %d high, want %d' % (name, chr(code), h, expected_height))
    return problems


def check_palette(name, image, extra=()):
    """Every pixel must be a palette colour or the mask."""
    allowed = ALLOWED | set(extra)
    bad = {c for c in image.getdata() if c not in allowed}
    return ['%s: colours outside the palette: %s' % (name, sorted(bad)[:5])] if bad else []


def check_opaque(name, image):
    """For images drawn unmasked: no mask colour may show."""
    return ['%s: holds the mask colour' % name] if MASK in set(image.getdata()) else []


def check_sheet(name, sheet):
    """Every animation has frames and a positive rate; the frames of one animation share a size."""
    problems = []
    for number, (fps, frames, _) in enumerate(sheet.animations):
        if fps <= 0 or not frames:
            problems.append('%s: animation %d is empty or has no rate' % (name, number))
        sizes = {sheet.frames[f].size for f in frames}
        if len(sizes) > 1:
            problems.append('%s: animation %d mixes frame sizes %s' % (name, number, sorted(sizes)))
    return problems
