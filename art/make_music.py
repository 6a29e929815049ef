#!/usr/bin/python3
"""Composes the game's music and writes each piece as a four- or six-channel tracker module (.mod).

Run with Debian's python3 (standard library only):
    /usr/bin/python3 art/make_music.py            # writes data/music-*.mod
    /usr/bin/python3 art/make_music.py OUTDIR     # writes them elsewhere (CI compares the two)

The score is the text below: for every bar a chord, a line of melody and a drum groove. Melody is
written as NOTE:ROWS (r:ROWS is a rest, a trailing ~ fades the note out); a bar is 16 rows, four to
a beat. Notes are named in the module's octaves 1 to 3; each instrument's wave length sets where
that lands (the lead's C2 is middle C's octave above, the bass's C1 a low C). The instruments are
synthesised here: single cycles of a few harmonics with their attack and decay drawn into the
sample and the sustained cycle looped, and drums made of swept sines and seeded noise, so a rerun
gives the same bytes.

A looping piece ends every section with a jump back to the section's first position, so the player
loops it without a gap. The wave piece holds three such sections: the plain one, one with an echo
voice added (played from the eleventh wave on) and one a little faster again (the twenty-first).
"""

import math
import os
import random
import struct
import sys

PAL_CLOCK = 7093789.2
ROWS_PER_BAR = 16
ROWS_PER_PATTERN = 64
# Module octaves 1..3, C to B (the Amiga's period table).
PERIODS = [856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
           428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
           214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113]
NAMES = ['C', 'C#', 'D', 'D#', 'E', 'F', 'F#', 'G', 'G#', 'A', 'A#', 'B']
FLATS = {'Db': 'C#', 'Eb': 'D#', 'Gb': 'F#', 'Ab': 'G#', 'Bb': 'A#'}
# Drums play at C3: their samples are made at the rate that period plays them.
DRUM_PERIOD = 214
DRUM_RATE = PAL_CLOCK / (2 * DRUM_PERIOD)

FX_ARPEGGIO, FX_VOLUME_SLIDE, FX_JUMP, FX_VOLUME, FX_BREAK, FX_TEMPO = 0x0, 0xA, 0xB, 0xC, 0xD, 0xF
RELEASE = (FX_VOLUME_SLIDE, 0x0F)  # a quick fade instead of a hard cut: no click
FADE = (FX_VOLUME_SLIDE, 0x01)


def note_index(name):
    """'A2' -> index into PERIODS; 'Bb2' and 'A#2' are the same note."""
    pitch, octave = name[:-1], int(name[-1])
    pitch = FLATS.get(pitch, pitch)
    index = (octave - 1) * 12 + NAMES.index(pitch)
    if not 0 <= index < len(PERIODS):
        raise ValueError('note out of range: ' + name)
    return index


# ---------------------------------------------------------------------------------------------
# Instruments
# ---------------------------------------------------------------------------------------------

def cycle(harmonics, length):
    """One period of a wave of `length` samples: harmonics is a list of (number, amplitude)."""
    wave = [sum(a * math.sin(2.0 * math.pi * k * i / length) for k, a in harmonics) for i in range(length)]
    peak = max(abs(v) for v in wave)
    return [v / peak for v in wave]


def toned(harmonics, length, attack, decay, sustain):
    """A looped tone: `attack` cycles rising from silence, `decay` cycles falling to `sustain`,
    then one cycle at the sustain level that the player loops."""
    wave = cycle(harmonics, length)
    out = []
    for c in range(attack):
        out += [v * (c * length + i) / (attack * length) for i, v in enumerate(wave)]
    for c in range(decay):
        for i, v in enumerate(wave):
            t = (c * length + i) / (decay * length)
            out.append(v * (sustain + (1.0 - sustain) * math.exp(-4.0 * t) * (1.0 - t)))
    out += [v * sustain for v in wave]
    return out, len(out) - length, length


def drum(samples):
    """A one-shot drum: starts and ends on silence."""
    ramp = int(0.002 * DRUM_RATE)
    for i in range(ramp):
        samples[i] *= i / ramp
        samples[-1 - i] *= i / ramp
    return samples, 0, 0


def kick(seconds=0.22):
    out, phase = [], 0.0
    for i in range(int(seconds * DRUM_RATE)):
        t = i / DRUM_RATE
        phase += 2.0 * math.pi * (45.0 + 110.0 * math.exp(-30.0 * t)) / DRUM_RATE
        out.append(math.sin(phase) * math.exp(-11.0 * t))
    return drum(out)


def snare(seed, seconds=0.2, tone=185.0):
    rng = random.Random(seed)
    out, last = [], 0.0
    for i in range(int(seconds * DRUM_RATE)):
        t = i / DRUM_RATE
        last = 0.5 * last + 0.5 * rng.uniform(-1.0, 1.0)
        out.append(0.75 * last * math.exp(-18.0 * t) + 0.5 * math.sin(2.0 * math.pi * tone * t) * math.exp(-30.0 * t))
    return drum(out)


def hat(seed, seconds=0.06, decay=70.0):
    rng = random.Random(seed)
    out, previous = [], 0.0
    for i in range(int(seconds * DRUM_RATE)):
        value = rng.uniform(-1.0, 1.0)
        out.append((value - previous) * 0.5 * math.exp(-decay * i / DRUM_RATE))  # high-passed noise
        previous = value
    return drum(out)


class Instrument:
    def __init__(self, name, made, volume):
        self.name = name
        self.samples, self.loop_start, self.loop_length = made
        self.volume = volume

    def data(self):
        """Signed 8-bit bytes, an even count (lengths are in words)."""
        values = [max(-128, min(127, int(round(v * 127.0)))) for v in self.samples]
        if len(values) % 2:
            values.append(0)
        return bytes(v & 0xFF for v in values)


# Harmonic recipes.
FLUTE = [(1, 1.0), (2, 0.25), (3, 0.12)]
PULSE = [(k, 1.0 / k * (0.6 if k % 2 == 0 else 1.0)) for k in range(1, 12)]
SOFT_SQUARE = [(1, 1.0), (3, 0.3), (5, 0.12), (7, 0.05)]
SAW = [(k, 1.0 / k) for k in range(1, 16)]
BELL = [(1, 1.0), (2, 0.4), (4, 0.2), (6, 0.08)]


def build_instruments():
    return {
        'lead': Instrument('flute', toned(FLUTE, 32, 3, 40, 0.7), 20),
        'pad': Instrument('soft square', toned(SOFT_SQUARE, 32, 2, 24, 0.45), 15),
        'bass': Instrument('round bass', toned([(1, 1.0), (2, 0.5), (3, 0.2)], 64, 1, 16, 0.6), 25),
        'kick': Instrument('soft kick', kick(), 20),
        'hat': Instrument('soft hat', hat(3, 0.05, 90.0), 8),
        'snare': Instrument('rim', snare(5, 0.1, 330.0), 11),
    }


def wave_instruments():
    return {
        'lead': Instrument('pulse lead', toned(PULSE, 32, 1, 30, 0.55), 20),
        'echo': Instrument('bell echo', toned(BELL, 32, 1, 20, 0.35), 15),
        'pad': Instrument('chip chords', toned(SOFT_SQUARE, 32, 1, 12, 0.5), 14),
        'bass': Instrument('saw bass', toned(SAW, 64, 1, 10, 0.55), 25),
        'kick': Instrument('kick', kick(), 34),
        'snare': Instrument('snare', snare(9), 24),
        'hat': Instrument('hat', hat(13), 12),
    }


# ---------------------------------------------------------------------------------------------
# Parts: each turns the score into a list of cells, one per row: (instrument, note, effect) or None
# ---------------------------------------------------------------------------------------------

CHORD_SHAPES = {'': (4, 7), 'm': (3, 7)}


def chord(name):
    """'Am' -> (root letter with accidental, semitone offsets of the third and fifth)."""
    quality = 'm' if name.endswith('m') else ''
    return name[:len(name) - len(quality)], CHORD_SHAPES[quality]


def melody(line, instrument):
    """'E3:6 D3:2 r:8' -> cells; each note sounds until the next, a rest releases it."""
    cells = []
    for token in line.split():
        fade = token.endswith('~')
        pitch, rows = token.rstrip('~').split(':')
        rows = int(rows)
        if pitch == 'r':
            cells += [(None, None, RELEASE)] + [None] * (rows - 1)
        else:
            cells += [(instrument, note_index(pitch), None)] + [(None, None, FADE if fade else None)] * (rows - 1)
    return cells


def bass_line(chords, instrument, style):
    cells = []
    for name in chords:
        root, (third, fifth) = chord(name)
        low = note_index(root + '1')
        if style == 'calm':  # root on one, fifth on three
            cells += [(instrument, low, None)] + [None] * 7 + [(instrument, low + fifth, None)] + [None] * 7
        else:  # driving eighths with an octave leap
            for step, offset in enumerate([0, 0, 12, 0, 0, 12, 0, fifth]):
                cells += [(instrument, low + offset, None), None]
    return cells


def broken_chords(chords, instrument):
    """A calm accompaniment: the chord's notes in turn, an eighth each."""
    cells = []
    for name in chords:
        root, (third, fifth) = chord(name)
        # Roots from F up sit in the lower octave, so the chords stay in one middle range.
        low = note_index(root + ('1' if note_index(root + '1') >= note_index('F1') else '2'))
        for offset in [0, fifth, third + 12, fifth] * 2:
            cells += [(instrument, low + offset, None), None]
    return cells


def arpeggio_chords(chords, instrument):
    """The tracker's own chords: one note stepping through the chord every tick, struck on the
    off-beats so that it pulses against the bass."""
    cells = []
    for name in chords:
        root, (third, fifth) = chord(name)
        low = note_index(root + '2')
        shape = (FX_ARPEGGIO, third * 16 + fifth)
        for row in range(ROWS_PER_BAR):
            if row % 4 == 2:
                cells.append((instrument, low, shape))
            elif row % 4 == 3:
                cells.append((None, None, shape))
            elif row % 4 == 0:
                cells.append((None, None, RELEASE))
            else:
                cells.append(None)
    return cells


def drums(grooves, kit):
    """A groove is 16 letters: k kick, s snare, h hat, . nothing."""
    cells = []
    for groove in grooves:
        for letter in groove.replace(' ', ''):
            cells.append(None if letter == '.' else (kit[DRUM_LETTERS[letter]], DRUM_NOTE, None))
    return cells


DRUM_NOTE = PERIODS.index(DRUM_PERIOD)
DRUM_LETTERS = {'k': 'kick', 's': 'snare', 'h': 'hat'}


def echo(cells, rows):
    """The same line `rows` later, as a second voice."""
    return [None] * rows + cells[:len(cells) - rows]


def restrument(cells, instrument):
    return [(instrument, c[1], c[2]) if c and c[0] else c for c in cells]


# ---------------------------------------------------------------------------------------------
# The score
# ---------------------------------------------------------------------------------------------

# Build: the pause before a wave. A minor, 96 beats a minute, 24 bars (60 s).
BUILD_CHORDS = '''Am F C G   Am F G E   F G Em Am
                  Dm G C E   Am F C G   Dm E Am Am'''.split()
BUILD_MELODY = [
    'E3:6 D3:2 C3:4 A2:4', 'C3:8 A2:4 G2:4', 'G2:6 A2:2 C3:4 E3:4', 'D3:12 r:4',
    'E3:6 D3:2 C3:4 A2:4', 'C3:4 D3:4 E3:4 F3:4', 'G3:6 F3:2 E3:4 D3:4', 'B2:12 r:4',
    'A2:4 C3:4 F3:8', 'G3:4 F3:4 D3:8', 'E3:4 D3:4 B2:8', 'A2:12 r:4',
    'F3:6 E3:2 D3:4 A2:4', 'B2:4 D3:4 G3:8', 'E3:6 D3:2 C3:4 G2:4', 'G#2:12 r:4',
    'A3:4 G3:4 E3:8', 'F3:4 E3:4 C3:8', 'E3:4 D3:4 C3:4 G2:4', 'D3:12 r:4',
    'F3:4 E3:4 D3:4 C3:4', 'B2:8 G#2:8', 'A2:14 r:2', 'r:16',
]
BUILD_GROOVES = (['k... .... .... ....'] * 4 +
                 ['k... h... s... h...'] * 18 +
                 ['k... h... s... h.h.', 'k... .... .... ....'])

# Wave: invaders marching. D minor, 132 beats a minute, 32 bars (58 s).
WAVE_CHORDS = '''Dm Dm Bb C   Dm Dm Bb A   Gm Gm Dm Dm   Bb C A A
                 Dm Dm Bb C   Dm Dm Bb A   Bb C Dm A    Bb C A A'''.split()
_WAVE_A = ['D3:2 r:2 D3:2 C3:2 A2:4 F2:4', 'G2:2 A2:2 C3:4 A2:8',
           'D3:2 r:2 D3:2 C3:2 Bb2:4 F2:4', 'G2:4 E2:4 G2:4 C3:4',
           'D3:2 r:2 D3:2 C3:2 A2:4 F2:4', 'G2:2 A2:2 C3:4 D3:8',
           'F3:4 E3:4 D3:4 Bb2:4']
WAVE_MELODY = _WAVE_A + ['A2:8 C#3:4 E3:4'] + [
    'G3:6 F3:2 D3:8', 'Bb2:4 D3:4 G3:4 F3:4', 'F3:6 E3:2 D3:4 A2:4', 'D3:2 E3:2 F3:4 A3:8',
    'G3:4 F3:4 D3:4 Bb2:4', 'C3:4 E3:4 G3:4 E3:4', 'A3:8 G3:4 E3:4', 'C#3:8 r:4 A2:4',
] + _WAVE_A + ['A2:4 C#3:4 E3:4 A3:4'] + [
    'D3:4 F3:4 Bb3:8', 'C3:4 E3:4 G3:8', 'A3:4 F3:4 D3:8', 'E3:4 C#3:4 A2:8',
    'F3:2 G3:2 F3:2 D3:2 Bb2:8', 'G3:2 A3:2 G3:2 E3:2 C3:8', 'A2:4 C#3:4 E3:4 G3:4', 'A3:8 r:8',
]
WAVE_KICKS = ['k... s... k.k. s...'] * 7 + ['k... s... k.s. s.ss']
WAVE_HATS = ['h.h. h.h. h.h. h.h.'] * 3 + ['h.h. h.h. h.h. hhhh']

# Game over: a falling phrase over A minor and a long fade, 90 beats a minute, once (7 s).
OVER_CHORDS = ['Am', 'E', 'Am']
OVER_MELODY = ['A3:4 G3:4 E3:4 C3:4', 'B2:8 G#2:8', 'A2:16~']
OVER_GROOVES = ['k... .... .... ....', 'k... .... k... ....', 'k... .... .... ....']


def build_piece():
    kit = build_instruments()
    return {
        'title': 'squibble siege build', 'bpm': 96, 'loop': True,
        'instruments': kit,
        'sections': [[
            drums(BUILD_GROOVES, kit),
            bass_line(BUILD_CHORDS, kit['bass'], 'calm'),
            broken_chords(BUILD_CHORDS, kit['pad']),
            melody(' '.join(BUILD_MELODY), kit['lead']),
        ]],
    }


def wave_piece():
    kit = wave_instruments()
    parts = [
        drums(WAVE_KICKS * 4, kit),
        drums(WAVE_HATS * 8, kit),
        bass_line(WAVE_CHORDS, kit['bass'], 'driving'),
        arpeggio_chords(WAVE_CHORDS, kit['pad']),
        melody(' '.join(WAVE_MELODY), kit['lead']),
    ]
    silent = [None] * len(parts[0])
    voiced = echo(restrument(parts[4], kit['echo']), 3)
    return {
        'title': 'squibble siege wave', 'loop': True,
        'instruments': kit,
        'sections': [parts + [silent], parts + [voiced], parts + [voiced]],
        'section_bpm': [132, 132, 144],
    }


def game_over_piece():
    kit = build_instruments()
    return {
        'title': 'squibble siege over', 'bpm': 90, 'loop': False,
        'instruments': kit,
        'sections': [[
            drums(OVER_GROOVES, kit),
            bass_line(OVER_CHORDS, kit['bass'], 'calm')[:32] + [(kit['bass'], note_index('A1'), None)] +
            [(None, None, FADE)] * 15,
            broken_chords(OVER_CHORDS, kit['pad'])[:32] + [(None, None, FADE)] * 16,
            melody(' '.join(OVER_MELODY), kit['lead']),
        ]],
    }


PIECES = {'music-build': build_piece, 'music-wave': wave_piece, 'music-gameover': game_over_piece}


# ---------------------------------------------------------------------------------------------
# The module writer
# ---------------------------------------------------------------------------------------------

def cell_bytes(cell, slots):
    if cell is None:
        return b'\0\0\0\0'
    instrument, note, effect = cell
    number = slots[id(instrument)] if instrument else 0
    period = PERIODS[note] if note is not None else 0
    kind, value = effect if effect else (0, 0)
    return bytes([(number & 0xF0) | (period >> 8), period & 0xFF, ((number & 0x0F) << 4) | kind, value])


def with_effect(cell, effect):
    """The cell with a song-wide effect (tempo, jump, break) added; None when it has one already."""
    if cell is None:
        return (None, None, effect)
    if cell[2] is not None and cell[2] != (FX_ARPEGGIO, 0):
        return None
    return (cell[0], cell[1], effect)


def place(rows, row, effect):
    """Puts a song-wide effect on the first channel free to carry it at that row."""
    for channel, cells in enumerate(rows[row]):
        changed = with_effect(cells, effect)
        if changed is not None:
            rows[row][channel] = changed
            return
    raise ValueError('no free channel for effect %r at row %d' % (effect, row))


def module(piece):
    sections = piece['sections']
    channels = len(sections[0])
    instruments = list(piece['instruments'].values())
    slots = {id(instrument): number + 1 for number, instrument in enumerate(instruments)}
    patterns, orders = [], []
    for index, parts in enumerate(sections):
        length = len(parts[0])
        if any(len(part) != length for part in parts):
            raise ValueError('%s: parts of section %d differ in length: %s'
                             % (piece['title'], index, [len(p) for p in parts]))
        rows = [[part[r] for part in parts] for r in range(length)]
        bpm = piece.get('section_bpm', [piece.get('bpm')] * len(sections))[index]
        place(rows, 0, (FX_TEMPO, 6))
        place(rows, 0, (FX_TEMPO, bpm))
        if piece['loop']:
            place(rows, length - 1, (FX_JUMP, len(orders)))
        elif length % ROWS_PER_PATTERN:
            place(rows, length - 1, (FX_BREAK, 0))
        for start in range(0, length, ROWS_PER_PATTERN):
            chunk = rows[start:start + ROWS_PER_PATTERN]
            chunk += [[None] * channels for _ in range(ROWS_PER_PATTERN - len(chunk))]
            orders.append(len(patterns))
            patterns.append(b''.join(cell_bytes(c, slots) for row in chunk for c in row))
    if len(orders) > 128:
        raise ValueError('too many positions')

    out = piece['title'].encode('ascii').ljust(20, b'\0')[:20]
    for slot in range(31):
        if slot < len(instruments):
            instrument = instruments[slot]
            words = len(instrument.data()) // 2
            loop_start, loop_words = (instrument.loop_start // 2, instrument.loop_length // 2) \
                if instrument.loop_length else (0, 1)
            out += struct.pack('>22sHBBHH', instrument.name.encode('ascii'), words, 0, instrument.volume,
                               loop_start, loop_words)
        else:
            out += struct.pack('>22sHBBHH', b'', 0, 0, 0, 0, 1)
    out += bytes([len(orders), 127]) + bytes(orders).ljust(128, b'\0')
    out += b'M.K.' if channels == 4 else b'%dCHN' % channels
    for pattern in patterns:
        out += pattern
    for instrument in instruments:
        out += instrument.data()
    return out


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = argv[1] if len(argv) > 1 else os.path.join(here, '..', 'data')
    os.makedirs(outdir, exist_ok=True)
    for name, piece in PIECES.items():
        with open(os.path.join(outdir, name + '.mod'), 'wb') as out:
            out.write(module(piece()))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
