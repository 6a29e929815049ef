#!/usr/bin/python3
"""Synthesises every sound of the game as 16-bit mono 22,050 Hz WAV files.

Run with Debian's python3 (standard library only):
    /usr/bin/python3 art/make_sounds.py            # writes data/*.wav
    /usr/bin/python3 art/make_sounds.py OUTDIR     # writes them elsewhere (CI compares the two)

Every sound is built from one small family of parts (a bright zap, a soft thump, a crackle, a chirp,
a low alarm) with fixed random seeds, so a rerun gives the same bytes. Each sound is then levelled to
the same loudness with a ceiling on its peak, and faded in and out so it starts and ends on silence.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
# Loudness every sound is levelled to (RMS, full scale = 1) and the highest peak any may reach.
TARGET_RMS = 0.14
PEAK_CEILING = 0.5
FADE_SECONDS = 0.004


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(*layers):
    length = max(len(layer) for layer in layers)
    out = [0.0] * length
    for layer in layers:
        for i, value in enumerate(layer):
            out[i] += value
    return out


def delayed(samples, seconds):
    return silence(seconds) + samples


def sweep(start_hz, end_hz, seconds, shape='sine', decay=0.0, curve=1.0):
    """A tone gliding from start_hz to end_hz; decay is the exponential fall per second."""
    count = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / count
        freq = start_hz + (end_hz - start_hz) * (t ** curve)
        phase += 2.0 * math.pi * freq / RATE
        if shape == 'square':
            value = 1.0 if math.sin(phase) >= 0.0 else -1.0
            value *= 0.5
        elif shape == 'triangle':
            value = 2.0 / math.pi * math.asin(math.sin(phase))
        else:
            value = math.sin(phase)
        out.append(value * math.exp(-decay * i / RATE))
    return out


def noise(seconds, seed, decay=0.0, smooth=0.0):
    """White noise, optionally smoothed by a one-pole low-pass (smooth 0..1, higher is darker)."""
    rng = random.Random(seed)
    out = []
    last = 0.0
    for i in range(int(seconds * RATE)):
        value = rng.uniform(-1.0, 1.0)
        last = smooth * last + (1.0 - smooth) * value
        out.append(last * math.exp(-decay * i / RATE))
    return out


def gated(samples, seed, bursts_per_second, duty):
    """Chops a sound into random short bursts: the crackle of a spark."""
    rng = random.Random(seed)
    out = []
    on = True
    left = 0
    for value in samples:
        if left <= 0:
            on = rng.random() < duty
            left = int(RATE / bursts_per_second * rng.uniform(0.5, 1.5))
        left -= 1
        out.append(value if on else 0.0)
    return out


def notes(frequencies, seconds_each, shape='triangle', decay=8.0, gap=0.0):
    out = []
    for freq in frequencies:
        out += sweep(freq, freq, seconds_each, shape, decay) + silence(gap)
    return out


def scaled(samples, gain):
    return [value * gain for value in samples]


# The parts of the family.
def zap(high, low, seconds):
    return mix(sweep(high, low, seconds, 'square', decay=18.0, curve=0.5),
               scaled(sweep(high * 2, low * 2, seconds, 'sine', decay=25.0, curve=0.5), 0.3))


def thump(seconds, start_hz=110.0, end_hz=40.0):
    return mix(sweep(start_hz, end_hz, seconds, 'sine', decay=9.0, curve=0.4),
               scaled(noise(seconds, 7, decay=30.0, smooth=0.85), 0.6))


def crackle(seconds, seed):
    return gated(noise(seconds, seed, decay=6.0, smooth=0.2), seed + 1, 180.0, 0.45)


def chirp(start_hz, end_hz, seconds):
    return sweep(start_hz, end_hz, seconds, 'triangle', decay=10.0, curve=1.5)


def alarm(high, low, seconds, beeps):
    out = []
    each = seconds / beeps
    for beep in range(beeps):
        freq = high if beep % 2 == 0 else low
        out += sweep(freq, freq * 0.97, each, 'square', decay=3.0)
    return out


def sounds():
    """Data file name -> samples (floats, before levelling)."""
    return {
        'laser_fired': zap(1900.0, 700.0, 0.14),
        'missile_launched': mix(scaled(noise(0.4, 11, decay=5.0, smooth=0.6), 0.8),
                                chirp(180.0, 420.0, 0.4)),
        'missile_exploded': mix(thump(0.5), scaled(crackle(0.45, 21), 0.5)),
        'tesla_strike': mix(crackle(0.25, 31), scaled(sweep(2400.0, 1800.0, 0.25, 'square', decay=12.0), 0.25)),
        'invader_destroyed': mix(chirp(500.0, 1400.0, 0.16), scaled(noise(0.08, 41, decay=40.0, smooth=0.5), 0.4)),
        'invader_escaped': alarm(330.0, 220.0, 0.5, 2),
        'wave_started': mix(notes([523.25, 659.25, 783.99], 0.12), delayed(chirp(784.0, 1568.0, 0.25), 0.36)),
        'tower_built': mix(thump(0.22, 160.0, 60.0), delayed(zap(1200.0, 900.0, 0.05), 0.03)),
        'upgrade_bought': notes([659.25, 880.0, 1174.66], 0.08, decay=12.0),
        'tower_sold': notes([783.99, 523.25], 0.1, decay=12.0),
        'refused': sweep(150.0, 130.0, 0.16, 'square', decay=8.0),
        'quit_dialog': notes([587.33, 440.0], 0.07, 'sine', decay=14.0),
        'ground_warning': notes([1318.51, 987.77, 1318.51], 0.08, 'square', decay=5.0, gap=0.03),
        'game_over': mix(alarm(262.0, 196.0, 1.2, 4), scaled(thump(1.2, 90.0, 30.0), 0.5)),
    }


def levelled(samples):
    """Same loudness for every sound, no peak above the ceiling, short fades at both ends."""
    rms = math.sqrt(sum(v * v for v in samples) / len(samples))
    gain = TARGET_RMS / rms
    peak = max(abs(v) for v in samples)
    gain = min(gain, PEAK_CEILING / peak)
    fade = int(FADE_SECONDS * RATE)
    out = []
    for i, value in enumerate(samples):
        edge = min(i, len(samples) - 1 - i)
        envelope = min(1.0, edge / fade)
        out.append(value * gain * envelope)
    return out


def write_wav(path, samples):
    frames = b''.join(struct.pack('<h', int(round(v * 32767.0))) for v in samples)
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = argv[1] if len(argv) > 1 else os.path.join(here, '..', 'data')
    os.makedirs(outdir, exist_ok=True)
    for name, samples in sounds().items():
        write_wav(os.path.join(outdir, name + '.wav'), levelled(samples))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
