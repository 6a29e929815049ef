// The window's callbacks, which the library calls from its own thread, their fence against the
// game leaving, and the termination signals that close the game as the close button does.
#pragma once

class WindowEvents {
public:
    // Sets the close-button and display-switch callbacks, once each (again after a new screen,
    // which may forget them).
    static void install();
    // Lets the callbacks act on the running World (again).
    static void open();
    // At exit: removes the callbacks and waits until none is still running; a callback that
    // starts later does nothing.
    static void close();
    // Replaces the library's handlers of SIGTERM, SIGINT and SIGHUP, which shut it down inside
    // the handler and may abort, by one that asks the game to close.
    static void catchTerminationSignals();
    // Whether a termination signal arrived, or the close button was pressed while a World was
    // attached: the game ends even when its loop had not started yet.
    static bool closeRequested();
    // How many times the window has come back to the front so far.
    static int returns();
};

// Window callbacks, called by the library from its own thread.
void onCloseButton();
void onSwitchIn();
// The window lost the focus: the game pauses until the player presses P.
void onSwitchOut();
