// What a first launch tells a newcomer under the wave panel: "H: controls" until the controls have
// shown or wave 1 has ended, and the choice of difficulty until "New Game?" first opens or the
// first game ends. A hint
// once gone stays gone for the rest of the launch, through every new game.
#pragma once

struct FrameView;

class FirstLaunchHints {
public:
    // Notes what the frame's view shows (the help, the wave, the end) and sets its hints.
    void follow(FrameView& view, bool firstLaunch);
    // Sets the view's hints as they stand; none unless firstLaunch.
    void show(FrameView& view, bool firstLaunch) const;

private:
    bool controlsFound = false;
    bool newGameFound = false;
};
