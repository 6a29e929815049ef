// What the picture of a frame in which game time stands still (the pause, the help, "New Game?")
// is drawn from, taken once per frame: the pointer, counts of the keys and window events seen so
// far, and the few marks that come and go by real time. Two equal records show the same picture.
#pragma once

struct StillPicture {
    // Game time stands still this frame; a frame in which it runs always shows something new.
    bool still = false;
    // Something on the picture follows the clock every frame (the debug overlay's time).
    bool ticking = false;
    int pointerX = 0;
    int pointerY = 0;
    bool pointerOnPicture = true;
    int buttons = 0;
    // Screens opened so far: F11, or a screen reopened after a failed switch.
    int screens = 0;
    // Keys acted on, and times the window came back to the front, so far.
    int keysTaken = 0;
    int windowReturns = 0;
    int mode = 0;
    bool paused = false;
    bool helpShown = false;
    bool gameOver = false;
    int best = 0;
    // The marks that go out by themselves: a settings key's notice, the pause's lit hint, the
    // health bar's flash.
    bool notice = false;
    bool pauseHintLit = false;
    bool warningLit = false;
};
