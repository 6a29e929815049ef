#include "control/KeyboardControls.h"

#include "app/Application.h"
#include "audio/SoundBoard.h"
#include "control/TowerActions.h"
#include "game/FrameStepper.h"
#include "game/World.h"

#include <allegro.h>
#include <algorithm>
#include <cstdio>

namespace {

// The preview moves this far a press, and ShiftStep with Shift held.
constexpr int Step = 1;
constexpr int ShiftStep = 8;
constexpr int VolumeStep = 10;
constexpr int FullVolume = 100;

// A volume a tenth up or down; steps land on whole tenths, whatever a hand-edited file held.
int steppedLevel(int current, bool up)
{
    const int next = up ? (current / VolumeStep + 1) * VolumeStep : ((current + VolumeStep - 1) / VolumeStep - 1) * VolumeStep;
    return std::clamp(next, 0, FullVolume);
}

using C = Control;
using K = KeyboardControls;

} // namespace

const std::vector<Control>& KeyboardControls::table()
{
    static const std::vector<Control> rows = {
        {"Click a build button", "choose a tower to place, if you can afford it", {}, 0, nullptr},
        {"Click the field", "while placing: build the tower there", {}, 0, nullptr},
        {"Click a tower", "select it: Demolish and its upgrades show", {}, 0, nullptr},
        {"Click an upgrade", "buy its next level (Demolish: half back)", {}, 0, nullptr},
        {"Right click", "cancel placing or selection", {}, 0, nullptr},
        {"1, 2, 3", "choose tower kind 1, 2 or 3 to place", {KEY_1, KEY_2, KEY_3}, C::InIdle | C::InPlacing,
         &K::chooseKind},
        {"Left / Right", "while placing: move the tower (8 with Shift)", {KEY_LEFT, KEY_RIGHT}, C::InPlacing,
         &K::steerPreview},
        {"Space or Enter", "while placing: build the tower there", {KEY_SPACE, KEY_ENTER, KEY_ENTER_PAD},
         C::InPlacing, &K::build},
        {"Left / Right", "select the next tower left or right", {KEY_LEFT, KEY_RIGHT}, C::InIdle | C::InSelected,
         &K::selectNeighbour},
        {"1 .. 9", "tower selected: buy upgrade path 1 .. 9",
         {KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9}, C::InSelected, &K::buyUpgrade},
        {"Delete", "tower selected: demolish it", {KEY_DEL, KEY_DEL_PAD}, C::InSelected, &K::demolish},
        {"Backspace", "cancel placing or selection", {KEY_BACKSPACE}, C::InPlacing | C::InSelected, &K::cancel},
        {"Esc", "open or close the \"Quit Game?\" dialog", {KEY_ESC}, C::Always, &K::quitDialog},
        {"F2", "ask \"New Game?\": Yes throws the run away", {KEY_F2}, C::Always, &K::newGameDialog},
        {"Y / N", "in a dialog: answer \"Yes\" or \"No\"", {KEY_Y, KEY_N},
         C::InQuitDialog | C::AfterGameOver | C::WhilePaused, &K::answerDialog},
        {"D", "show or hide the debug overlay", {KEY_D}, C::Always, &K::debugOverlay},
        {"M", "sound off and on", {KEY_M}, C::Always, &K::mute},
        {"N", "between waves: call the next wave now, for a bonus", {KEY_N}, C::Playing, &K::callNextWave},
        {"+ / -", "volume up or down a tenth",
         {KEY_EQUALS, KEY_PLUS_PAD, KEY_MINUS, KEY_MINUS_PAD}, C::Always, &K::volume},
        {"[ / ]", "music volume down or up a tenth", {KEY_OPENBRACE, KEY_CLOSEBRACE}, C::Always,
         &K::musicVolume},
        {"P", "pause or resume", {KEY_P}, C::Playing | C::InQuitDialog | C::WhilePaused, &K::pause},
        {"F", "speed 1x, 2x, 4x, 8x, then 1x again", {KEY_F}, C::Always, &K::speedStep},
        {"Tab (hold)", "run the game 8 times as fast", {}, 0, nullptr},
        {"F11", "full screen or window", {KEY_F11}, C::Always, &K::fullScreen},
        {"H or F1", "show or hide these controls", {KEY_H, KEY_F1}, C::Playing | C::WhilePaused, &K::help},
        {"Enter", "after \"Game Over\": a new game", {KEY_ENTER, KEY_ENTER_PAD}, C::AfterGameOver | C::WhilePaused,
         &K::playAgain},
    };
    return rows;
}

std::vector<std::string> KeyboardControls::describe()
{
    std::size_t width = 0;
    for (const Control& control : table())
        width = std::max(width, std::string(control.input).size());
    std::vector<std::string> lines;
    for (const Control& control : table()) {
        std::string line = control.input;
        line.resize(width + 2, ' ');
        lines.push_back(line + control.does);
    }
    return lines;
}

KeyboardControls::KeyboardControls(World& world)
    : world(world)
    , app(*world.app)
{
}

bool KeyboardControls::acts(const Control& control) const
{
    unsigned mode = Control::InQuitDialog;
    if (world.gameOver)
        mode = Control::AfterGameOver;
    else if (world.mode == Idle)
        mode = Control::InIdle;
    else if (world.mode == Placing)
        mode = Control::InPlacing;
    else if (world.mode == TowerSelected)
        mode = Control::InSelected;
    if ((control.when & mode) == 0)
        return false;
    return (control.when & Control::WhilePaused) != 0 || !(world.paused || showingHelp);
}

void KeyboardControls::handleKey(int scancode)
{
    if (scancode < 0)
        return;
    for (const Control& control : table()) {
        if (!control.action || std::find(control.scancodes.begin(), control.scancodes.end(), scancode) ==
                                   control.scancodes.end())
            continue;
        if (acts(control)) {
            (this->*control.action)(scancode);
            return;
        }
    }
}

void KeyboardControls::chooseKind(int scancode)
{
    world.actions().chooseKind(scancode - KEY_1);
}

void KeyboardControls::steerPreview(int scancode)
{
    const bool shift = app.input().keyHeld(KEY_LSHIFT) || app.input().keyHeld(KEY_RSHIFT);
    const int distance = shift ? ShiftStep : Step;
    world.actions().steerPreview(scancode == KEY_LEFT ? -distance : distance);
}

void KeyboardControls::callNextWave(int)
{
    world.callNextWave();
}

void KeyboardControls::build(int)
{
    world.actions().buildAt(world.actions().previewX());
}

void KeyboardControls::selectNeighbour(int scancode)
{
    world.actions().selectNeighbour(scancode == KEY_LEFT ? -1 : 1);
}

void KeyboardControls::buyUpgrade(int scancode)
{
    world.actions().buyUpgrade(scancode - KEY_1);
}

void KeyboardControls::demolish(int)
{
    world.actions().demolish();
}

void KeyboardControls::cancel(int)
{
    world.actions().cancel();
}

void KeyboardControls::quitDialog(int)
{
    // A dialog is never hidden under the help: opening one puts the help away.
    showingHelp = false;
    world.mode = (world.mode == QuitDialog || world.mode == NewGameDialog) ? Idle : QuitDialog;
    if (world.mode == QuitDialog)
        app.sound.play(SoundEvent::QuitDialog);
}

void KeyboardControls::newGameDialog(int)
{
    showingHelp = false;
    world.mode = world.mode == NewGameDialog ? Idle : NewGameDialog;
    if (world.mode == NewGameDialog)
        app.sound.play(SoundEvent::QuitDialog);
}

void KeyboardControls::answerDialog(int scancode)
{
    // After game over the dialog may have been closed: then there is nothing to answer.
    if (world.mode == QuitDialog || world.mode == NewGameDialog)
        world.answerDialog(scancode == KEY_Y);
}

void KeyboardControls::debugOverlay(int)
{
    world.showDebug = !world.showDebug;
}

void KeyboardControls::mute(int)
{
    app.sound.toggleMute();
    app.settings.set(PlayerSettings::Field::Mute, app.sound.muted());
}

void KeyboardControls::pause(int)
{
    world.paused = !world.paused;
    world.resumed = world.resumed && world.paused;
}

void KeyboardControls::speedStep(int)
{
    app.settings.set(PlayerSettings::Field::Speed, FrameStepper::nextSpeedStep(app.settings.inEffect().speed));
}

void KeyboardControls::volume(int scancode)
{
    const int level = steppedLevel(app.settings.inEffect().volume, scancode != KEY_MINUS && scancode != KEY_MINUS_PAD);
    app.sound.setLevel(level);
    app.settings.set(PlayerSettings::Field::Volume, level);
    showNotice("Volume " + std::to_string(level) + "%");
}

void KeyboardControls::musicVolume(int scancode)
{
    const int level = steppedLevel(app.settings.inEffect().musicVolume, scancode == KEY_CLOSEBRACE);
    app.music.setLevel(level);
    app.settings.set(PlayerSettings::Field::MusicVolume, level);
    showNotice("Music " + std::to_string(level) + "%");
}

void KeyboardControls::fullScreen(int)
{
    const bool fullscreen = !app.settings.inEffect().fullscreen;
    const std::string failure = app.switchScreen(fullscreen);
    if (!failure.empty()) {
        std::fprintf(stderr, "squibble-siege: %s\n", failure.c_str());
        showNotice(fullscreen ? "No full screen" : "No window");
        return;
    }
    app.settings.set(PlayerSettings::Field::Fullscreen, fullscreen);
}

void KeyboardControls::help(int)
{
    showingHelp = !showingHelp;
}

void KeyboardControls::playAgain(int)
{
    world.playAgain();
}

void KeyboardControls::showNotice(std::string text)
{
    noticeText = std::move(text);
    noticeUntil = app.now() + NoticeSeconds;
}

std::string KeyboardControls::notice() const
{
    return app.now() < noticeUntil ? noticeText : std::string();
}
