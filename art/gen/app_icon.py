"""The desktop icon: the Squibble of the invader sheet on a round patch of sky and grass, drawn
once at 16 x 16 and enlarged by whole factors for the larger sizes."""

from PIL import Image

from gen.canvas import blank, from_ascii, outlined, paste_masked
from gen.invader import FACE, LEGS_OUT, creature
from gen.palette import MASK

SIZES = (16, 32, 48, 64, 128, 256)
BASE = 16

# The sky patch: sky blue with a lighter top, inside the dark outline added round it.
SKY = [
    '................',
    '.....WWWWWW.....',
    '...WWWWWWWWWW...',
    '..BBBBBBBBBBBB..',
    '..BBBBBBBBBBBB..',
    '.BBBBBBBBBBBBBB.',
    '.BBBBBBBBBBBBBB.',
    '.BBBBBBBBBBBBBB.',
    '.uuuuuuuuuuuuuu.',
    '.uuuuuuuuuuuuuu.',
    '.uuuuuuuuuuuuuu.',
    '..LLLLLLLLLLLL..',
    '..LLLLLLLLLLLL..',
    '...EEEEEEEEEE...',
    '.....EEEEEE.....',
    '................',
]


def base_icon():
    """The 16 x 16 drawing, magenta where it is transparent."""
    icon = blank(BASE, BASE)
    paste_masked(icon, outlined(from_ascii(SKY)), 0, 0)
    paste_masked(icon, creature(LEGS_OUT, FACE), 1, 2)
    return icon


def with_alpha(image):
    """The magenta mask becomes real transparency, as desktops expect of an icon."""
    rgba = image.convert('RGBA')
    rgba.putdata([(0, 0, 0, 0) if pixel[:3] == MASK else pixel for pixel in rgba.getdata()])
    return rgba


def app_icons():
    """Size -> RGBA icon, every size a whole multiple of the 16 x 16 drawing."""
    base = base_icon()
    return {size: with_alpha(base.resize((size, size), Image.NEAREST)) for size in SIZES}
