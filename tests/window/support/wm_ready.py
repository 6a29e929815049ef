#!/usr/bin/python3
"""Waits up to SECONDS until a window manager frames a new window (one just started announces
itself before it takes windows, and a window mapped then may never show)."""
import sys
import time

from Xlib import X, display

d = display.Display()
root = d.screen().root
probe = root.create_window(0, 0, 10, 10, 0, X.CopyFromParent)
probe.map()
deadline = time.monotonic() + float(sys.argv[1])
while probe.query_tree().parent == root:
    if time.monotonic() > deadline:
        sys.exit("no window manager took a window")
    time.sleep(0.05)
probe.destroy()
d.sync()
