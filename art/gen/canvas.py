"""Small pixel-art helpers: ASCII drawings, outlines, tints and strips on a magenta ground."""

from PIL import Image

from gen.palette import LETTERS, MASK, luminance


def blank(width, height, colour=MASK):
    return Image.new('RGB', (width, height), colour)


def from_ascii(rows, legend=None):
    """Turns rows of palette letters into an image; every row must have the same length."""
    letters = dict(LETTERS)
    if legend:
        letters.update(legend)
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise ValueError('ragged drawing row %r (want %d wide)' % (row, width))
    image = blank(width, len(rows))
    pixels = image.load()
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            pixels[x, y] = letters[letter]
    return image


def opaque(image, x, y):
    if x < 0 or y < 0 or x >= image.width or y >= image.height:
        return False
    return image.getpixel((x, y)) != MASK


def outlined(image, colour=LETTERS['k'], diagonal=False):
    """Adds a one-pixel outline on the transparent pixels that touch the drawing."""
    result = image.copy()
    pixels = result.load()
    steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    if diagonal:
        steps += [(1, 1), (-1, 1), (1, -1), (-1, -1)]
    for y in range(image.height):
        for x in range(image.width):
            if opaque(image, x, y):
                continue
            if any(opaque(image, x + dx, y + dy) for dx, dy in steps):
                pixels[x, y] = colour
    return result


def paste_masked(target, source, x, y):
    """Copies the non-transparent pixels of source onto target at (x, y)."""
    src = source.load()
    dst = target.load()
    for sy in range(source.height):
        for sx in range(source.width):
            tx, ty = x + sx, y + sy
            if 0 <= tx < target.width and 0 <= ty < target.height and src[sx, sy] != MASK:
                dst[tx, ty] = src[sx, sy]


def recoloured(image, mapping):
    """Maps every opaque colour through a function of the colour."""
    result = image.copy()
    pixels = result.load()
    for y in range(result.height):
        for x in range(result.width):
            if pixels[x, y] != MASK:
                pixels[x, y] = mapping(pixels[x, y])
    return result


def by_luminance(ramp, limits):
    """A colour mapping that picks ramp[i] for the first limit the colour's luminance stays below."""
    def mapping(colour):
        value = luminance(colour)
        for shade, limit in zip(ramp, limits):
            if value < limit:
                return shade
        return ramp[-1]
    return mapping


RED_TINT = by_luminance([LETTERS['k'], LETTERS['m'], LETTERS['R'], LETTERS['r']], [40, 80, 150])
GREYED = by_luminance([LETTERS['k'], LETTERS['D'], LETTERS['G'], LETTERS['g']], [40, 95, 165])
WHITE_FLASH = by_luminance([LETTERS['k'], LETTERS['w']], [40])


def tinted_red(image):
    return recoloured(image, RED_TINT)


def greyed(image):
    return recoloured(image, GREYED)


def strip(images):
    """Places same-sized images side by side, left to right."""
    width, height = images[0].size
    result = blank(width * len(images), height)
    for i, image in enumerate(images):
        if image.size != (width, height):
            raise ValueError('strip frames differ in size: %s vs %s' % (image.size, (width, height)))
        result.paste(image, (i * width, 0))
    return result


def mirrored(image):
    return image.transpose(Image.FLIP_LEFT_RIGHT)
