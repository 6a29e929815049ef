// Every control of the game in one table, and the keyboard's half of it: each key taken from the
// keyboard finds its row by scancode and mode and runs that row's action. The tower actions go
// through TowerActions as the build bar's clicks do. Also keeps what the keys show: the help over
// the field and a short notice (the volume).
#pragma once

#include "control/Control.h"

#include <string>
#include <vector>

class Application;
class World;

class KeyboardControls {
public:
    // How long a notice such as the volume stays, in seconds of real time.
    static constexpr double NoticeSeconds = 1.5;

    explicit KeyboardControls(World& world);

    // Every input and what it does, in the order the help lists them.
    static const std::vector<Control>& table();
    // The table as lines of text, the input padded to one column (for --help).
    static std::vector<std::string> describe();

    // Acts on one key taken from the keyboard; a key of no row for the current mode does nothing.
    void handleKey(int scancode);

    // While the help shows, the game stands still as in the pause.
    bool helpShown() const { return showingHelp; }
    // The notice to show now; empty when there is none or its time is over.
    std::string notice() const;

private:
    bool acts(const Control& control) const;

    void chooseKind(int scancode);
    void steerPreview(int scancode);
    void build(int scancode);
    void selectNeighbour(int scancode);
    void buyUpgrade(int scancode);
    void demolish(int scancode);
    void cancel(int scancode);
    void quitDialog(int scancode);
    void newGameDialog(int scancode);
    void answerDialog(int scancode);
    void debugOverlay(int scancode);
    void mute(int scancode);
    void callNextWave(int scancode);
    void pause(int scancode);
    void speedStep(int scancode);
    void volume(int scancode);
    void musicVolume(int scancode);
    void fullScreen(int scancode);
    void help(int scancode);
    void playAgain(int scancode);

    void showNotice(std::string text);

    World& world;
    Application& app;
    bool showingHelp = false;
    std::string noticeText;
    double noticeUntil = 0.0;
};
