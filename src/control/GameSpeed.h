// The speeds the game runs at: the steps the player chooses with F, and Tab's fast-forward that
// overrides them while held. A frame's real time runs this many times as long in game time.
#pragma once

class GameSpeed {
public:
    // How many times as much game time a frame covers while Tab is held.
    static constexpr int FastForward = 8;
    // The speeds the player steps through with F, slowest first; Tab held is FastForward whatever the step.
    static constexpr int Steps[] = {1, 2, 4, 8};

    // The speed of a frame: FastForward while Tab is held, else the chosen step (1 when it is no step).
    static int of(bool tabHeld, int step);
    // Whether the player can choose this speed with F.
    static bool isStep(int speed) { return of(false, speed) == speed; }
    // The step after this one, back to 1 after the last.
    static int next(int step);
};
