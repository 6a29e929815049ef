#!/usr/bin/python3
"""Presses a window's close button: sends it the WM_DELETE_WINDOW client message.

The message is sent as a window manager sends it, and this helper waits until the X server has
taken it: a client that leaves right after writing a request may find the server closing its
connection before it reads that request, and the press is then lost."""
import sys

from Xlib import X, display, protocol


def main():
    window_id = int(sys.argv[1])
    d = display.Display()
    window = d.create_resource_object("window", window_id)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    # A round trip: the server answers only after it has handled every earlier request.
    d.sync()
    d.close()


if __name__ == "__main__":
    main()
