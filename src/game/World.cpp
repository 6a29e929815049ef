#include "game/World.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "app/Field.h"
#include "assets/BitmapFont.h"
#include "audio/SoundBoard.h"
#include "checkpoint/RunKeeper.h"
#include "control/DialogControls.h"
#include "control/GameSpeed.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "effects/BounceTextEffect.h"
#include "effects/Effect.h"
#include "game/BuildBar.h"
#include "game/ControlWiring.h"
#include "game/EarlyCall.h"
#include "game/FrameStepper.h"
#include "game/HitResolver.h"
#include "game/RunHooks.h"
#include "game/StillFrames.h"
#include "game/WaveFactory.h"
#include "game/WorldCheckpoint.h"
#include "game/WorldKindEvents.h"
#include "game/WorldRenderer.h"
#include "invaders/Wave.h"
#include "projectiles/Projectile.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <allegro.h>
#include <cstdio>

namespace {

constexpr int BannerX = Field::CentreX;
constexpr int BannerY = 80;

} // namespace

World::World()
    : app(&Application::instance())
    , dialog(ControlWiring::dialogs(*this))
    , towerActions(ControlWiring::towerActions(*this))
    , keyboard(ControlWiring::keyboard(*this, *towerActions))
    , buildBar(std::make_unique<BuildBar>(*this, *towerActions))
    , renderer(std::make_unique<WorldRenderer>(*this))
{
    kindEvents = std::make_unique<WorldKindEvents>(*this);
}

World::~World() = default;

void World::run()
{
    newGame();
    if (runKeeper)
        runKeeper->resume([this](const Checkpoint& run) { return WorldCheckpoint::restore(*this, run); });
    FrameStepper stepper(*this);
    StillFrames frames(*this);
    while (running) {
        playFrame(stepper, app->waitForNextFrame(), speedStep, false);
        frames.show();
    }
    closed();
}

void World::closed()
{
    bestRecord.close();
    // Mid-wave the wave start's checkpoint stands, after game over none; the replay's final keep (it prunes) comes last.
    if (!gameOver && !currentWave)
        WorldCheckpoint::keep(*this);
    hooks->closed(*this);
}

void World::playFrame(FrameStepper& stepper, double dt, int step, bool drawn)
{
    stepper.advance(dt, speedAt(step));
    bestRecord.retry(app->now());
    app->music.follow(musicCue());
    app->music.update();
    if (drawn)
        showFrame();
}

void World::showFrame()
{
    renderer->followHints();
    draw();
    keyboard->pictureShown();
}

int World::speedAt(int step) const { return GameSpeed::of(app->input().keyHeld(KEY_TAB), step); }
bool World::standsStill() const { return paused || keyboard->helpShown() || mode == NewGameDialog; }

MusicCue World::musicCue() const
{
    const MusicPiece piece = gameOver ? MusicPiece::GameOver : currentWave ? MusicPiece::Wave : MusicPiece::Build;
    const bool waiting = paused || (mode == QuitDialog && !gameOver) || mode == NewGameDialog || keyboard->helpShown();
    return {piece, waveNumber, waiting};
}

void World::newGame()
{
    running = true;
    gameMode = app->settings.inEffect().mode.value_or(GameMode::Classic);
    setDifficulty(app->settings.inEffect().difficulty.value_or(Difficulty::Level::Normal));
    setUpGame();
}

void World::playAgain()
{
    // Projectiles and effects first: they may still point at towers and invaders.
    projectiles.clear();
    effects.clear();
    towers.clear();
    currentWave.reset();
    selectedTower = nullptr;
    placingKind = 0;
    gameOver = false;
    setDifficulty(difficulty.level);
    setUpGame();
}

void World::startOver(GameMode chosenMode, Difficulty::Level level)
{
    app->settings.set(PlayerSettings::Entry::Difficulty, static_cast<int>(level));
    app->settings.set(PlayerSettings::Entry::Mode, static_cast<int>(chosenMode));
    gameMode = chosenMode;
    if (runKeeper)
        runKeeper->forget();
    difficulty.level = level;
    playAgain();
}

void World::setDifficulty(Difficulty::Level level)
{
    difficulty = Difficulty::of(app->config, level);
    if (!recordStoreFor || recordLevel == std::make_pair(gameMode, level))
        return;
    // A count still waiting for the last difficulty's store is offered before it goes.
    bestRecord.close();
    bestRecord = BestRecord(recordStoreFor(gameMode, level));
    recordLevel = std::make_pair(gameMode, level);
}

void World::setUpGame()
{
    // Nothing of the last game is heard in the new one.
    app->sound.stopAll();
    mode = Idle;
    paused = false;
    resumed = false;
    speedStep = 1;
    pauseRequested = false;
    bestRecord.newGame();
    statistics.reset();
    hooks->gameBegins(*this);
    health = maxHealth = difficulty.startingHealth;
    money = difficulty.startingMoney;
    healthLoss.reset(health);
    Clouds::scatter(clouds);
    waveNumber = 1;
    currentWave.reset();
    waveTimer = difficulty.timeBetweenWaves;
}

void World::update(double dt)
{
    if (hooks->pauseTaken(pauseRequested.exchange(false)) && !gameOver)
        paused = true;
    // "New Game?" holds the game still while the player chooses; "Quit Game?" lets it run on.
    if (standsStill()) {
        handleControls();
        return;
    }
    if (!gameOver) {
        statistics.timePassed(dt);
        updateWaveSchedule(dt);
    }
    Clouds::drift(clouds, dt, app->cloudImages);
    if (!gameOver)
        for (auto& tower : towers)
            tower->update(dt);
    for (auto& projectile : projectiles)
        projectile->update(dt);
    for (auto& effect : effects)
        effect->update(dt);
    if (currentWave) {
        HitResolver::resolve(projectiles, currentWave->invaders);
        currentWave->update(dt);
    }
    // A second pass with no elapsed time lets missiles whose target died this frame re-target.
    for (auto& projectile : projectiles)
        projectile->update(0.0);
    removeFinished();
    handleControls();
    healthLoss.follow(health, dt, currentWave != nullptr);
    if (health < 1 && !gameOver) {
        health = 0;
        endGame();
        app->sound.play(SoundEvent::GameOver);
    }
}

void World::updateWaveSchedule(double dt)
{
    if (waveTimer >= 0 && dt >= waveTimer)
        startWave();
    else
        waveTimer -= dt;
    if (currentWave && currentWave->invaders.empty()) {
        waveTimer = Difficulty::of(app->config, difficulty.level).timeBetweenWaves;
        currentWave.reset();
        statistics.waveDefeated();
        waveNumber += waveNumber < RunLimits::MaxWave ? 1 : 0; // past the last, waves come at its strength
        hooks->waveDefeated(*this);
    }
}

void World::startWave()
{
    WorldCheckpoint::keep(*this);
    // A player who has not chosen a difficulty plays Normal: from the first wave on it is kept.
    if (!app->settings.inEffect().difficulty)
        app->settings.set(PlayerSettings::Entry::Difficulty, static_cast<int>(Difficulty::Level::Normal));
    currentWave = WaveFactory::create(*this, *kindEvents);
    waveTimer = -1.0;
    char banner[32];
    std::snprintf(banner, sizeof banner, "Wave %d", waveNumber);
    effects.push_back(std::make_unique<BounceTextEffect>(BannerX, BannerY, app->fontMain.get(), banner));
    app->sound.play(SoundEvent::WaveStarted);
}

int World::earlyCallBonus() const { return EarlyCall::bonusNow(*this); }

void World::callNextWave() { EarlyCall::call(*this); }

void World::removeFinished()
{
    projectiles.remove_if([](const std::unique_ptr<Projectile>& p) { return !p->alive; });
    effects.remove_if([](const std::unique_ptr<Effect>& e) { return e->finished(); });
    // No data can bury the frames in effects.
    while (effects.size() > MaxEffects)
        effects.pop_front();
}

void World::handleControls()
{
    towerActions->followMouse();
    keyboard->handleKey(app->input().nextKey());
    if (!gameOver && !paused && !keyboard->helpShown())
        buildBar->handleMouse();
    else if (paused && mode != QuitDialog && mode != NewGameDialog && app->mouseClicked(MouseButton::Left))
        keyboard->refusePausedClick(app->mouseX);
    handleDialog();
}

// Every frame, so that a dialog closed and opened again starts afresh.
void World::handleDialog() { dialog->followPointer(app->mouseX, app->mouseY, app->mouseOnPicture, app->mouseClicked(MouseButton::Left)); }

void World::answerDialog(bool yes) { dialog->answer(yes); }

void World::endGame()
{
    gameOver = true;
    // The quit dialog opens by itself; an open "New Game?" stays rather than turn into it.
    if (mode != NewGameDialog)
        mode = QuitDialog;
    paused = false;
    bestRecord.gameEnded(waveNumber - 1);
    statistics.close();
    if (runKeeper)
        runKeeper->forget();
    hooks->gameOver(*this);
}

std::unique_ptr<Building> World::createTower(int kind)
{
    std::unique_ptr<Building> tower = TowerKinds::create(kind);
    if (tower)
        tower->books = &statistics;
    return tower;
}

bool World::canPlaceTower() const { return towerActions->canPlaceAt(app->mouseX); }
bool World::canPlaceTower(int centreX) const { return towerActions->canPlaceAt(centreX); }

void World::draw()
{
    BITMAP* target = app->backBuffer->bitmap;
    renderer->draw(target);
    buildBar->draw(target);
    renderer->drawOverlays(target);
    renderer->drawControls(target);
    hooks->drawOver(target);
    app->backBuffer->present();
}
