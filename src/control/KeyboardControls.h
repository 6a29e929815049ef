// The keyboard's half of the controls table: each key taken from the keyboard finds its row by
// scancode and mode and gives that row's command. The tower actions go through TowerActions as
// the build bar's clicks do, the settings keys through SettingsKeys. Also keeps whether the help
// shows over the field.
#pragma once

#include "control/Control.h"
#include "control/GameCommands.h"
#include "control/PlayState.h"
#include "control/SettingsKeys.h"

#include <string>

class SoundBoard;
class TowerActions;

class KeyboardControls {
public:
    KeyboardControls(PlayState state, TowerActions& actions, SoundBoard& sound, SettingsKeys settingsKeys,
                     GameCommands commands);

    // Acts on one key taken from the keyboard; a key of no row for the current mode does nothing.
    void handleKey(int scancode);
    // After each picture is shown. The first picture of "Game Over" drops the keys still waiting,
    // typed for the game that ended; from then on Enter starts a new game once it has been seen
    // up, so that neither a press that began before nor its repeats skip the game-over screen.
    void pictureShown();

    // While the help shows, the game stands still as in the pause.
    bool helpShown() const { return showingHelp; }
    // The page of the help turned to: each Right adds one, each Left takes one away; the help
    // counts it round its pages.
    int helpPage() const { return page; }
    // The notice a settings key shows now; empty when there is none or its time is over.
    std::string notice() const { return settings.notice(); }
    // A click in the pause: refused, the pause's hint of how to play on lit for a moment.
    void refusePausedClick(int x);
    bool pauseHintLit() const { return settings.pauseHintLit(); }
    // Keys taken so far, whether they did anything or not: a still picture is drawn again after each.
    int keysTaken() const { return taken; }

private:
    bool acts(const Control& control) const;
    void run(Control::Command command, int scancode);
    void toggleDialog(int dialog);

    PlayState state;
    TowerActions& actions;
    SoundBoard& sound;
    SettingsKeys settings;
    GameCommands commands;
    bool enterHeld() const;

    bool showingHelp = false;
    int page = 0;
    int taken = 0;
    // Where Enter stands after game over: the screen not shown yet, shown with Enter still down
    // since before, or ready for a new press.
    enum class Replay { Hidden, Held, Ready } replay = Replay::Hidden;
    // Where F11 stands since it last switched the screen: held (or its repeats not all taken),
    // seen up, or ready to switch again.
    enum class FullScreenKey { Held, Up, Ready } fullScreenKey = FullScreenKey::Ready;
};
