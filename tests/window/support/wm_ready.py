#!/usr/bin/python3
"""Waits until a window manager manages new windows: maps a small window and waits for it to be
framed (reparented), then removes it. A manager that has only just started may announce itself
before it takes windows, and a window mapped then may never be shown.
Usage: wm_ready.py SECONDS"""
import sys
import time

from Xlib import X, display


def main():
    limit = float(sys.argv[1])
    d = display.Display()
    root = d.screen().root
    probe = root.create_window(0, 0, 10, 10, 0, X.CopyFromParent, event_mask=X.StructureNotifyMask)
    probe.map()
    d.sync()
    deadline = time.monotonic() + limit
    while probe.query_tree().parent == root:
        if time.monotonic() > deadline:
            sys.exit("no window manager took a window within %g s" % limit)
        time.sleep(0.05)
    probe.destroy()
    d.sync()


if __name__ == "__main__":
    main()
