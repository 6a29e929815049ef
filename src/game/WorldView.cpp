#include "game/WorldView.h"

#include "app/Application.h"
#include "app/WindowEvents.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "game/BuildBar.h"
#include "game/WaveKindsView.h"
#include "game/WaveThreat.h"
#include "game/World.h"
#include "game/WorldRenderer.h"
#include "invaders/Wave.h"

namespace {

// The block is within two steps of the ground: the health bar flashes.
bool groundWarning(const World& world)
{
    return world.currentWave && !world.gameOver && world.currentWave->nearGround();
}

} // namespace

FrameView WorldView::of(const World& world, WaveKindsView& kinds)
{
    const Application& app = *world.app;
    FrameView view;
    view.fonts = {app.fontMain.get(), app.fontMainRed.get(), app.fontSmall.get(), app.fontSmallRed.get()};
    view.catalogue = {app.towerTypes.data(), static_cast<int>(app.towerTypes.size())};
    view.towerBaseline = app.towerBaseline;
    view.laserColumn = app.invaderTypes.empty() ? 0 : static_cast<int>(app.invaderTypes.front().size);
    view.mode = static_cast<WorldMode>(world.mode);
    view.gameOver = world.gameOver;
    view.paused = world.paused;
    view.showDebug = world.showDebug;
    view.waveNumber = world.waveNumber;
    view.waveRunning = world.currentWave != nullptr;
    view.invadersLeft = view.waveRunning ? static_cast<int>(world.currentWave->invaders.size()) : 0;
    view.waitingForWave = world.waitingForWave();
    view.waveCountdown = world.waveTimer;
    view.difficulty = world.difficulty;
    kinds.fill(view, world);
    if (view.waitingForWave) {
        view.earlyCallBonus = world.earlyCallBonus();
        view.mayCallNextWave = world.mayCallNextWave();
    }
    view.hoveredButton = world.buttons().hoveredButton();
    view.placingKind = world.placingKind;
    view.previewX = world.actions().previewX();
    view.selectedTower = world.mode == TowerSelected ? world.selectedTower : nullptr;
    view.helpShown = world.keys().helpShown();
    view.helpPage = world.keys().helpPage();
    view.notice = world.keys().notice();
    view.pauseHintLit = world.keys().pauseHintLit();
    view.speed = world.speedAt(world.speedStep);
    view.groundWarning = groundWarning(world);
    view.lowestRowShown = world.currentWave && !world.gameOver && !world.currentWave->invaders.empty();
    view.lowestRow = view.lowestRowShown ? world.currentWave->lowestRow() : 0.0;
    if (!world.gameOver && (view.waveRunning || view.waitingForWave))
        view.threat = WaveThreat::of(world);
    view.healthLost = world.healthLoss.shown();
    if (world.gameOver)
        view.totals = &world.statistics.totals();
    return view;
}

StillPicture WorldView::still(const World& world)
{
    const Application& app = *world.app;
    StillPicture picture;
    picture.still = world.standsStill();
    picture.ticking = world.showDebug;
    picture.pointerX = app.mouseX;
    picture.pointerY = app.mouseY;
    picture.pointerOnPicture = app.mouseOnPicture;
    picture.buttons = app.mouseButtons;
    picture.screens = app.screensOpened;
    picture.keysTaken = world.keys().keysTaken();
    picture.windowReturns = WindowEvents::returns();
    picture.mode = world.mode;
    picture.paused = world.paused;
    picture.helpShown = world.keys().helpShown();
    picture.gameOver = world.gameOver;
    picture.best = world.bestRecord.best();
    picture.notice = !world.keys().notice().empty();
    picture.pauseHintLit = world.keys().pauseHintLit();
    picture.warningLit = groundWarning(world) && WorldRenderer::warningFlashLit(app.now());
    return picture;
}
