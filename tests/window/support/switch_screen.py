#!/usr/bin/python3
"""Usage: switch_screen.py WINDOW COUNT HOLD. Presses F11 COUNT times, every other press held HOLD
seconds; each press must switch exactly once between full screen (the picture as wide as the
screen) and the window, within half a second of the press and still so 0.6 s after the release."""
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

window, count, hold = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
d = display.Display()
picture = d.create_resource_object("window", window).query_tree().children[0]
full = lambda: picture.get_geometry().width == d.screen().width_in_pixels
f11 = d.keysym_to_keycode(XK.string_to_keysym("F11"))
for press in range(1, count + 1):
    wanted, held = not full(), hold if press % 2 == 0 else 0.15
    state, switches, settled, start = not wanted, 0, None, time.monotonic()
    for kind, at in ((X.KeyPress, 0), (X.KeyRelease, held), (None, held + 0.6)):
        while time.monotonic() - start < at:
            if full() != state:
                state, switches = not state, switches + 1
            if state == wanted and settled is None:
                settled = time.monotonic() - start
            time.sleep(0.01)
        if kind is not None:
            xtest.fake_input(d, kind, f11)
            d.sync()
    if settled is None or settled > 0.5 or state != wanted or switches != 1:
        sys.exit("press %d (held %.2f s) switched %d times, settled after %s s" % (press, held, switches, settled))
print("%d presses, each one switch" % count)
