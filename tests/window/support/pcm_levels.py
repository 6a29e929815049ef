#!/usr/bin/python3
"""Levels of a stretch of captured sound: raw 16-bit little-endian stereo, as the real-window
sound test has ALSA write it. Prints the peak and RMS in dBFS (-inf for digital silence).

Usage: pcm_levels.py FILE START_BYTE END_BYTE
"""

import array
import math
import sys


def levels(path, start, end):
    with open(path, 'rb') as capture:
        capture.seek(start)
        data = capture.read(max(0, end - start))
    samples = array.array('h')
    samples.frombytes(data[:len(data) // 2 * 2])
    if sys.byteorder == 'big':
        samples.byteswap()
    if not samples:
        return float('-inf'), float('-inf')
    peak = max(abs(s) for s in samples) / 32768.0
    rms = math.sqrt(sum(s * s for s in samples) / len(samples)) / 32768.0

    def db(value):
        return 20.0 * math.log10(value) if value > 0 else float('-inf')
    return db(peak), db(rms)


if __name__ == '__main__':
    peak, rms = levels(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
    print('%.1f %.1f' % (peak, rms))
