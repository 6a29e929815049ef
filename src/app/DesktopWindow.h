// What the desktop learns about the game's window from the X server: its class
// ("squibble-siege", as the desktop entry names it), its icon and its process; and the end of the
// game when the connection to the display breaks.
#pragma once

#include <vector>

class DesktopWindow {
public:
    // The window's class, both halves; the desktop entry's StartupWMClass.
    static constexpr const char* WindowClass = "squibble-siege";

    // Before the screen opens: windows the library makes from now on carry the game's class.
    static void nameClass();
    // Puts the class, the process id and the icon (the cardinals of DesktopIcon) on the window
    // just opened. Does nothing without an X display.
    static void describe(const std::vector<unsigned long>& icon);
    // Whether the key of this library scancode is down on the display's keyboard: 1 or 0, or -1
    // when there is no display or the key has no place on it.
    static int keyDown(int scancode);
    // From now on a broken connection to the display ends the process with status 1 and one line
    // on standard error, without the exit handlers (the library's own would wait for ever on a
    // lock its input thread holds), but not before a close under way (a termination signal) has
    // saved what it saves and the files waiting to be written are written, all within a second.
    // Called on the game's thread.
    static void endOnLostDisplay();
    // The game's close is done: its last files are written.
    static void closeDone();
};
