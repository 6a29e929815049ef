#!/usr/bin/python3
"""Presses F11 in the game COUNT times, holding it HOLD seconds on every other press (as a player
does who waits for the screen to change), and checks that each press switches the screen exactly
once: between full screen (the picture's window as wide as the screen) and the window, settled
within half a second of the press and still so 0.6 s after the release.
Usage: switch_screen.py GAME_PID COUNT HOLD"""
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

SETTLE = 0.5
STAY = 0.6


def game_window(d, pid):
    """The game's top-level window: the one that carries its process id."""
    wanted = d.intern_atom("_NET_WM_PID")
    pending = [d.screen().root]
    while pending:
        window = pending.pop()
        value = window.get_full_property(wanted, X.AnyPropertyType)
        if value is not None and list(value.value) == [pid]:
            return window
        pending.extend(window.query_tree().children)
    sys.exit("no window carries the process id %d" % pid)


def main():
    pid, count, hold = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
    d = display.Display()
    screen_width = d.screen().width_in_pixels
    picture = game_window(d, pid).query_tree().children[0]
    full = lambda: picture.get_geometry().width == screen_width
    f11 = d.keysym_to_keycode(XK.string_to_keysym("F11"))
    for press in range(1, count + 1):
        wanted = not full()
        held = hold if press % 2 == 0 else 0.15
        switches, state = 0, not wanted
        start = time.monotonic()
        xtest.fake_input(d, X.KeyPress, f11)
        d.sync()
        released = False
        settled_at = None
        while True:
            now = time.monotonic() - start
            if not released and now >= held:
                xtest.fake_input(d, X.KeyRelease, f11)
                d.sync()
                released = True
            current = full()
            if current != state:
                switches, state = switches + 1, current
            if state == wanted and settled_at is None:
                settled_at = now
            if released and now >= held + STAY:
                break
            time.sleep(0.01)
        if settled_at is None or settled_at > SETTLE or state != wanted or switches != 1:
            sys.exit("press %d (held %.2f s) switched %d times; %s" % (
                press, held, switches,
                "never settled" if settled_at is None else "settled after %.2f s, ended %s" % (
                    settled_at, "full" if state else "windowed")))
    print("%d presses, each one switch" % count)


if __name__ == "__main__":
    main()
