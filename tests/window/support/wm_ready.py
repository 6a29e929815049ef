#!/usr/bin/python3
"""Waits up to SECONDS until a window manager frames a new window (one just started announces
itself before it takes windows, and a window mapped then is never framed: so each try is new)."""
import sys
import time

from Xlib import X, display

d = display.Display()
root = d.screen().root
deadline = time.monotonic() + float(sys.argv[1])
while time.monotonic() < deadline:
    probe = root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
    probe.map()
    tried = time.monotonic() + 0.5
    while probe.query_tree().parent == root and time.monotonic() < tried:
        time.sleep(0.05)
    framed = probe.query_tree().parent != root
    probe.destroy()
    d.sync()
    if framed:
        sys.exit(0)
sys.exit("no window manager took a window")
