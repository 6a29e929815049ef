#include "control/KeyboardControls.h"

#include "audio/SoundBoard.h"
#include "control/ControlTable.h"
#include "control/GameSpeed.h"
#include "control/TowerActions.h"
#include "control/WorldMode.h"

#include <allegro.h>
#include <algorithm>

namespace {

// The preview moves this far a press, and ShiftStep with Shift held.
constexpr int Step = 1;
constexpr int ShiftStep = 8;

} // namespace

KeyboardControls::KeyboardControls(PlayState state, TowerActions& actions, SoundBoard& sound,
                                   SettingsKeys settingsKeys, GameCommands commands)
    : state(state)
    , actions(actions)
    , sound(sound)
    , settings(std::move(settingsKeys))
    , commands(std::move(commands))
{
}

bool KeyboardControls::acts(const Control& control) const
{
    unsigned mode = Control::InQuitDialog;
    if (state.gameOver)
        mode = Control::AfterGameOver;
    else if (state.mode == Idle)
        mode = Control::InIdle;
    else if (state.mode == Placing)
        mode = Control::InPlacing;
    else if (state.mode == TowerSelected)
        mode = Control::InSelected;
    if ((control.when & Control::InHelp) != 0)
        return showingHelp;
    if ((control.when & Control::InNewGame) != 0)
        return state.mode == ::NewGameDialog && !showingHelp;
    if ((control.when & mode) == 0)
        return false;
    return (control.when & Control::WhilePaused) != 0 || !(state.paused || showingHelp);
}

void KeyboardControls::pictureShown()
{
    if (!state.gameOver) {
        replay = Replay::Hidden;
        return;
    }
    if (replay != Replay::Hidden)
        return;
    while (commands.nextKey() >= 0) {
    }
    replay = Replay::Held;
}

bool KeyboardControls::enterHeld() const
{
    return commands.keyHeld(KEY_ENTER) || commands.keyHeld(KEY_ENTER_PAD);
}

void KeyboardControls::handleKey(int scancode)
{
    if (scancode >= 0)
        ++taken;
    if (!state.gameOver)
        replay = Replay::Hidden;
    else if (replay == Replay::Held && !enterHeld())
        replay = Replay::Ready;
    // A held F11 repeats, and the repeats pile up while a screen opens: after a switch F11 acts
    // again only once it has been seen up and a later take found no key waiting (every repeat is
    // then used up), or the screen would flip back and forth for as long as the key is held.
    if (scancode < 0 && fullScreenKey == FullScreenKey::Up)
        fullScreenKey = FullScreenKey::Ready;
    for (const Control& control : ControlTable::rows()) {
        if (scancode < 0 || control.command == Control::None ||
            std::find(control.scancodes.begin(), control.scancodes.end(), scancode) == control.scancodes.end())
            continue;
        if (acts(control)) {
            run(control.command, scancode);
            break;
        }
    }
    // The library's key state goes up only after every press before the release was taken in.
    if (fullScreenKey == FullScreenKey::Held && !commands.keyHeld(KEY_F11) &&
        !(commands.keyDown && commands.keyDown(KEY_F11)))
        fullScreenKey = FullScreenKey::Up;
}

void KeyboardControls::run(Control::Command command, int scancode)
{
    switch (command) {
    case Control::ChooseKind: actions.chooseKindAt(scancode - KEY_1); break;
    case Control::SteerPreview: {
        const bool shift = commands.keyHeld(KEY_LSHIFT) || commands.keyHeld(KEY_RSHIFT);
        const int distance = shift ? ShiftStep : Step;
        actions.steerPreview(scancode == KEY_LEFT ? -distance : distance);
        break;
    }
    case Control::Build: actions.buildAt(actions.previewX()); break;
    case Control::SelectNeighbour: actions.selectNeighbour(scancode == KEY_LEFT ? -1 : 1); break;
    case Control::BuyUpgrade: actions.buyUpgradeAt(scancode - KEY_1); break;
    case Control::Demolish: actions.demolish(); break;
    case Control::StepAim: actions.stepAim(); break;
    case Control::Cancel: actions.cancel(); break;
    case Control::QuitDialog: toggleDialog(::QuitDialog); break;
    case Control::NewGameDialog: toggleDialog(::NewGameDialog); break;
    case Control::AnswerDialog:
        // After game over the dialog may have been closed: then there is nothing to answer.
        if (state.mode == ::QuitDialog || state.mode == ::NewGameDialog)
            commands.answerDialog(scancode != KEY_N);
        break;
    case Control::DebugOverlay: state.showDebug = !state.showDebug; break;
    case Control::Mute: settings.toggleMute(); break;
    case Control::CallNextWave: commands.callNextWave(); break;
    case Control::Pause:
        state.paused = !state.paused;
        state.resumed = state.resumed && state.paused;
        break;
    case Control::SpeedStep: state.speedStep = GameSpeed::next(state.speedStep); break;
    case Control::Volume: settings.stepVolume(scancode != KEY_MINUS && scancode != KEY_MINUS_PAD); break;
    case Control::MusicVolume: settings.stepMusicVolume(scancode == KEY_CLOSEBRACE); break;
    case Control::FullScreen:
        if (fullScreenKey == FullScreenKey::Ready)
            settings.toggleFullScreen();
        fullScreenKey = FullScreenKey::Held;
        break;
    case Control::Help:
        showingHelp = !showingHelp;
        page = 0;
        if (showingHelp)
            settings.controlsSeen();
        break;
    case Control::MoveChoice: commands.moveChoice(scancode == KEY_LEFT ? -1 : 1); break;
    case Control::SwitchMode: commands.switchMode(); break;
    case Control::TurnHelpPage: page += scancode == KEY_LEFT ? -1 : 1; break;
    case Control::PlayAgain:
        if (replay == Replay::Ready)
            commands.playAgain();
        break;
    case Control::None: break;
    }
}

void KeyboardControls::refusePausedClick(int x)
{
    sound.play(SoundEvent::Refused, x);
    settings.lightPauseHint();
}

void KeyboardControls::toggleDialog(int dialog)
{
    // A dialog is never hidden under the help: opening one puts the help away.
    showingHelp = false;
    if (dialog == ::QuitDialog)
        state.mode = (state.mode == ::QuitDialog || state.mode == ::NewGameDialog) ? Idle : ::QuitDialog;
    else
        state.mode = state.mode == ::NewGameDialog ? Idle : ::NewGameDialog;
    if (state.mode == dialog)
        sound.play(SoundEvent::QuitDialog);
}
