#include "game/ControlWiring.h"

#include "app/Application.h"
#include "control/DialogControls.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "game/World.h"
#include "towers/Building.h"

namespace {

PlayState stateOf(World& world)
{
    return {WorldModeRef(world.mode), world.placingKind, world.purse,   world.towers,    world.selectedTower,
            world.gameOver, world.paused,   world.resumed, world.showDebug, world.speedStep};
}

} // namespace

std::unique_ptr<DialogControls> ControlWiring::dialogs(World& world)
{
    DialogControls::Answers answers;
    answers.quit = [&world] { world.running = false; };
    answers.startOver = [&world](GameMode mode, Difficulty::Level level) { world.startOver(mode, level); };
    return std::make_unique<DialogControls>(world.mode, world.difficulty.level, world.gameMode, std::move(answers));
}

std::unique_ptr<TowerActions> ControlWiring::towerActions(World& world)
{
    Application& app = *world.app;
    const TowerCatalogue catalogue{app.towerTypes.data(), static_cast<int>(app.towerTypes.size())};
    const PointerSample pointer{app.mouseX, app.mouseY, app.mouseScreen};
    return std::make_unique<TowerActions>(stateOf(world), catalogue, pointer, app.sound,
                                          [&world](int kind) { return world.createTower(kind); });
}

std::unique_ptr<KeyboardControls> ControlWiring::keyboard(World& world, TowerActions& actions)
{
    Application& app = *world.app;
    SettingsKeys settings(app.sound, app.music, app.settings, [&app](bool fullscreen) { return app.switchScreen(fullscreen); },
                          [&app] { return app.now(); });
    GameCommands commands;
    commands.answerDialog = [&world](bool yes) { world.answerDialog(yes); };
    commands.moveChoice = [&world](int step) { world.dialogs().moveFocus(step); };
    commands.switchMode = [&world] { world.dialogs().switchMode(); };
    commands.callNextWave = [&world] { world.callNextWave(); };
    // A kept run of another difficulty put off the one chosen for this launch until now.
    commands.playAgain = [&world, &app] {
        const Difficulty::Level chosen = app.settings.inEffect().difficulty.value_or(world.difficulty.level);
        if (chosen == world.difficulty.level)
            world.playAgain();
        else
            world.startOver(world.gameMode, chosen);
    };
    commands.keyHeld = [&app](int scancode) { return app.input().keyHeld(scancode); };
    commands.nextKey = [&app] { return app.input().nextKey(); };
    commands.keyDown = [&app](int scancode) { return app.input().keyDown(scancode); };
    return std::make_unique<KeyboardControls>(stateOf(world), actions, app.sound, std::move(settings),
                                              std::move(commands));
}
