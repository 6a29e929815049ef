#!/usr/bin/python3
"""Checks the game's music as the player hears it: run  /usr/bin/python3 art/test_music.py.
Every module under data/ is the one art/make_music.py writes, the game's configuration names them,
and libxmp (the player the game uses) loads each, plays it for as long as it should, loops it
without a gap or a click, never clips, and hears it about 6 dB under the sound effects."""

import array
import ctypes
import math
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import make_music  # noqa: E402
import make_sounds  # noqa: E402

DATA = os.path.join(HERE, '..', 'data')
RATE = 22050
KEYS = {'Music.Build': 'music-build', 'Music.Wave': 'music-wave', 'Music.GameOver': 'music-gameover'}


class Sequence(ctypes.Structure):
    _fields_ = [('entry_point', ctypes.c_int), ('duration', ctypes.c_int)]


class ModuleInfo(ctypes.Structure):
    _fields_ = [('md5', ctypes.c_ubyte * 16), ('vol_base', ctypes.c_int), ('mod', ctypes.c_void_p),
                ('comment', ctypes.c_char_p), ('num_sequences', ctypes.c_int),
                ('seq_data', ctypes.POINTER(Sequence))]


XMP = ctypes.CDLL('libxmp.so.4')
XMP.xmp_create_context.restype = ctypes.c_void_p
XMP.xmp_free_context.argtypes = [ctypes.c_void_p]
XMP.xmp_load_module_from_memory.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_long]
for name in ('xmp_start_player', 'xmp_set_position'):
    getattr(XMP, name).argtypes = [ctypes.c_void_p, ctypes.c_int] + ([ctypes.c_int] if name == 'xmp_start_player' else [])
XMP.xmp_play_buffer.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
XMP.xmp_get_frame_info.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
XMP.xmp_get_module_info.argtypes = [ctypes.c_void_p, ctypes.POINTER(ModuleInfo)]
for name in ('xmp_end_player', 'xmp_release_module'):
    getattr(XMP, name).argtypes = [ctypes.c_void_p]


class Module:
    """A module loaded in a libxmp context of its own."""

    def __init__(self, name):
        with open(os.path.join(DATA, name + '.mod'), 'rb') as f:
            self.bytes = f.read()
        self.context = XMP.xmp_create_context()
        self.loaded = XMP.xmp_load_module_from_memory(self.context, self.bytes, len(self.bytes)) == 0

    def close(self):
        if self.loaded:
            XMP.xmp_release_module(self.context)
        XMP.xmp_free_context(self.context)

    def sequences(self):
        info = ModuleInfo()
        XMP.xmp_get_module_info(self.context, ctypes.byref(info))
        return [(info.seq_data[i].entry_point, info.seq_data[i].duration) for i in range(info.num_sequences)]

    def render(self, entry, loops, positions=None):
        """Stereo 16-bit samples of the sequence at `entry`, played `loops` times; the order
        positions it passes through are added to `positions`."""
        XMP.xmp_start_player(self.context, RATE, 0)
        if entry:
            XMP.xmp_set_position(self.context, entry)
        chunk = ctypes.create_string_buffer(4096)
        frame = ctypes.create_string_buffer(16384)  # the frame's state; its first field is the position
        out = array.array('h')
        while XMP.xmp_play_buffer(self.context, chunk, len(chunk), loops) == 0 and len(out) < RATE * 2 * 400:
            out.frombytes(chunk.raw)
            if positions is not None:
                XMP.xmp_get_frame_info(self.context, frame)
                positions.add(ctypes.c_int.from_buffer(frame).value)
        XMP.xmp_end_player(self.context)
        if sys.byteorder == 'big':
            out.byteswap()
        return out


def db(value):
    return 20.0 * math.log10(value) if value > 0 else -math.inf


def rms(samples):
    return math.sqrt(sum(v * v for v in samples) / len(samples)) / 32768.0


class Music(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.modules = {name: Module(name) for name in make_music.PIECES}

    @classmethod
    def tearDownClass(cls):
        for module in cls.modules.values():
            module.close()

    def test_every_piece_is_the_scripts_and_configured(self):
        shipped = {f[:-4] for f in os.listdir(DATA) if f.endswith('.mod')}
        self.assertEqual(shipped, set(make_music.PIECES))
        for name, piece in make_music.PIECES.items():
            self.assertEqual(self.modules[name].bytes, make_music.module(piece()), name + ' is not the score')
            self.assertLess(len(self.modules[name].bytes), 256 * 1024, name)
        with open(os.path.join(DATA, 'strings.txt')) as config:
            named = dict(line.strip().split('=', 1) for line in config if line.startswith('Music.'))
        self.assertEqual(named, {key: 'data/%s.mod' % name for key, name in KEYS.items()})

    def test_lengths_and_sections(self):
        # (piece, sections, shortest and longest seconds of each)
        table = [('music-build', 1, 40, 90), ('music-wave', 3, 40, 90), ('music-gameover', 1, 3, 12)]
        for name, sections, shortest, longest in table:
            module = self.modules[name]
            self.assertTrue(module.loaded, name)
            found = module.sequences()
            self.assertEqual(len(found), sections, name)
            for entry, milliseconds in found:
                self.assertGreaterEqual(milliseconds / 1000.0, shortest, (name, entry))
                self.assertLessEqual(milliseconds / 1000.0, longest, (name, entry))
        # A later section of the wave piece loops within itself, never back to the plain one.
        wave = self.modules['music-wave']
        entries = [entry for entry, _ in wave.sequences()]
        for index, entry in enumerate(entries):
            positions = set()
            wave.render(entry, 2, positions)
            end = entries[index + 1] if index + 1 < len(entries) else wave.bytes[950]  # the song's length
            self.assertEqual(positions, set(range(entry, end)), 'section at position %d' % entry)

    def test_levels_sit_under_the_effects_and_never_clip(self):
        effects = db(make_sounds.TARGET_RMS)
        for name, module in self.modules.items():
            for entry, _ in module.sequences():
                samples = module.render(entry, 1)
                peak = max(abs(v) for v in samples) / 32768.0
                self.assertLess(db(peak), -3.0, (name, entry))
                level = db(rms(samples))
                self.assertLess(abs(level - (effects - 6.0)), 3.0, (name, entry, level))

    def test_loops_have_no_gap_or_click(self):
        window = RATE // 20 * 2  # 50 ms of stereo samples
        for name in ('music-build', 'music-wave'):
            module = self.modules[name]
            for entry, _ in module.sequences():
                samples = module.render(entry, 2)
                seam = len(samples) // 2 - (len(samples) // 2) % 2
                steps = [abs(samples[i + 2] - samples[i]) for i in range(0, len(samples) - 2)]
                around = range(seam - 10 * window, seam + 10 * window, window)
                quietest = min(db(rms(samples[at:at + window])) for at in around)
                self.assertGreater(quietest, -45.0, '%s at %d: a gap where it loops' % (name, entry))
                seam_step = max(steps[seam - window:seam + window])
                self.assertLessEqual(seam_step, max(steps[:seam - window]), '%s at %d: a click where it loops'
                                     % (name, entry))

    def test_game_over_ends_in_silence(self):
        samples = self.modules['music-gameover'].render(0, 1)
        self.assertLess(db(rms(samples[-RATE // 5:])), -50.0)


if __name__ == '__main__':
    unittest.main()
