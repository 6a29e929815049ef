"""The DawnBringer 32 palette, the only colours the art may use, plus the mask colour."""

MASK = (255, 0, 255)

DB32 = [
    (0x00, 0x00, 0x00), (0x22, 0x20, 0x34), (0x45, 0x28, 0x3c), (0x66, 0x39, 0x31),
    (0x8f, 0x56, 0x3b), (0xdf, 0x71, 0x26), (0xd9, 0xa0, 0x66), (0xee, 0xc3, 0x9a),
    (0xfb, 0xf2, 0x36), (0x99, 0xe5, 0x50), (0x6a, 0xbe, 0x30), (0x37, 0x94, 0x6e),
    (0x4b, 0x69, 0x2f), (0x52, 0x4b, 0x24), (0x32, 0x3c, 0x39), (0x3f, 0x3f, 0x74),
    (0x30, 0x60, 0x82), (0x5b, 0x6e, 0xe1), (0x63, 0x9b, 0xff), (0x5f, 0xcd, 0xe4),
    (0xcb, 0xdb, 0xfc), (0xff, 0xff, 0xff), (0x9b, 0xad, 0xb7), (0x84, 0x7e, 0x87),
    (0x69, 0x6a, 0x6a), (0x59, 0x56, 0x52), (0x76, 0x42, 0x8a), (0xac, 0x32, 0x32),
    (0xd9, 0x57, 0x63), (0xd7, 0x7b, 0xba), (0x8f, 0x97, 0x4a), (0x8a, 0x6f, 0x30),
]

# One letter per colour for the ASCII drawings; '.' is transparent (the mask colour).
LETTERS = {
    '.': MASK,
    'K': DB32[0],   # black
    'k': DB32[1],   # outline: darkest violet-black
    'm': DB32[2],   # dark maroon
    'q': DB32[3],   # dark brown
    'O': DB32[4],   # brown
    'o': DB32[5],   # orange
    's': DB32[6],   # tan
    'S': DB32[7],   # peach
    'y': DB32[8],   # yellow
    'l': DB32[9],   # light green
    'L': DB32[10],  # green
    'e': DB32[11],  # teal green
    'E': DB32[12],  # dark green
    'z': DB32[13],  # dark olive
    'Z': DB32[14],  # dark slate
    'n': DB32[15],  # navy
    'U': DB32[16],  # dark blue
    'u': DB32[17],  # blue
    'B': DB32[18],  # sky blue
    'b': DB32[19],  # cyan
    'W': DB32[20],  # pale blue-white
    'w': DB32[21],  # white
    'g': DB32[22],  # light grey
    'G': DB32[23],  # mid grey
    'd': DB32[24],  # dark grey
    'D': DB32[25],  # darker warm grey
    'P': DB32[26],  # purple
    'R': DB32[27],  # red
    'r': DB32[28],  # light red
    'p': DB32[29],  # pink
    'v': DB32[30],  # olive
    'V': DB32[31],  # ochre
}

ALLOWED = set(DB32) | {MASK}


def luminance(colour):
    r, g, b = colour
    return 0.3 * r + 0.59 * g + 0.11 * b
