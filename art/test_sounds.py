#!/usr/bin/python3
"""Checks the game's sounds as the player hears them: run  /usr/bin/python3 art/test_sounds.py.
Every WAV under data/ is one art/make_sounds.py makes, in the game's format, short, starting and
ending on silence, and levelled so that none is startlingly louder than the rest."""

import array
import math
import os
import sys
import unittest
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import make_sounds  # noqa: E402

DATA = os.path.join(HERE, '..', 'data')


def read(name):
    with wave.open(os.path.join(DATA, name + '.wav')) as sound:
        params = (sound.getnchannels(), sound.getsampwidth(), sound.getframerate())
        samples = array.array('h')
        samples.frombytes(sound.readframes(sound.getnframes()))
    if sys.byteorder == 'big':
        samples.byteswap()
    return params, [s / 32768.0 for s in samples]


def db(value):
    return 20.0 * math.log10(value)


class Sounds(unittest.TestCase):
    def test_every_sound_is_made_by_the_script_and_configured(self):
        made = set(make_sounds.sounds())
        shipped = {f[:-4] for f in os.listdir(DATA) if f.endswith('.wav')}
        self.assertEqual(made, shipped)
        with open(os.path.join(DATA, 'strings.txt')) as config:
            named = {line.split('=', 1)[1].strip() for line in config if line.startswith('Sound.')}
        self.assertEqual(named, {'data/%s.wav' % name for name in made})

    def test_format_length_and_clean_ends(self):
        for name in make_sounds.sounds():
            params, samples = read(name)
            self.assertEqual(params, (1, 2, 22050), name)
            self.assertLessEqual(len(samples), 1.5 * 22050, name)
            self.assertGreaterEqual(len(samples), 0.05 * 22050, name)
            # No click: the first and last samples are (nearly) silence.
            self.assertLess(abs(samples[0]), 0.01, name)
            self.assertLess(abs(samples[-1]), 0.01, name)

    def test_levels_are_even_and_never_startling(self):
        loudness = {}
        for name in make_sounds.sounds():
            _, samples = read(name)
            peak = max(abs(s) for s in samples)
            self.assertLessEqual(db(peak), -5.9, name)
            loudness[name] = db(math.sqrt(sum(s * s for s in samples) / len(samples)))
        self.assertLess(max(loudness.values()) - min(loudness.values()), 6.0, loudness)
        self.assertGreater(min(loudness.values()), -24.0, loudness)


if __name__ == '__main__':
    unittest.main()
