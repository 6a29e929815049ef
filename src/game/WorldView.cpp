#include "game/WorldView.h"

#include "app/Application.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "game/BuildBar.h"
#include "game/WaveKindsView.h"
#include "game/WaveThreat.h"
#include "game/World.h"
#include "invaders/Wave.h"

FrameView WorldView::of(const World& world, WaveKindsView& kinds)
{
    const Application& app = *world.app;
    FrameView view;
    view.fonts = {app.fontMain.get(), app.fontMainRed.get(), app.fontSmall.get(), app.fontSmallRed.get()};
    view.catalogue = {app.towerTypes.data(), static_cast<int>(app.towerTypes.size())};
    view.towerBaseline = app.towerBaseline;
    view.laserColumn = app.invaderTypes.empty() ? 0 : static_cast<int>(app.invaderTypes.front().size);
    view.mode = world.mode;
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
    view.groundWarning = world.currentWave && !world.gameOver && world.currentWave->nearGround();
    view.lowestRowShown = world.currentWave && !world.gameOver && !world.currentWave->invaders.empty();
    view.lowestRow = view.lowestRowShown ? world.currentWave->lowestRow() : 0.0;
    if (!world.gameOver && (view.waveRunning || view.waitingForWave))
        view.threat = WaveThreat::of(world);
    view.healthLost = world.healthLoss.shown();
    if (world.gameOver)
        view.totals = &world.statistics.totals();
    return view;
}
