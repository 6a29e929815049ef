#include "game/World.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "assets/BitmapFont.h"
#include "audio/SoundBoard.h"
#include "control/KeyboardControls.h"
#include "control/TowerActions.h"
#include "effects/BounceTextEffect.h"
#include "effects/Effect.h"
#include "effects/TextEffect.h"
#include "game/BuildBar.h"
#include "game/ControlWiring.h"
#include "game/FrameStepper.h"
#include "game/RunKeeper.h"
#include "game/WorldRenderer.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "projectiles/Projectile.h"
#include "stats/RunLimits.h"
#include "towers/Building.h"
#include "towers/LaserTurret.h"
#include "towers/MissileTurret.h"
#include "towers/TeslaCoil.h"

#include <allegro.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The cloud groups, back to front: how many, spacing, random spread, height band, speed, image.
struct CloudGroup {
    int count;
    int offsetStep;
    int xSpread;
    int yBase;
    int ySpread;
    double speed;
    int imageIndex;
};
constexpr CloudGroup CloudGroups[] = {
    {6, 60, 30, 50, 10, 0.5, 1}, {4, 80, 30, 50, 10, 1.0, 2}, {3, 110, 30, 48, 8, 1.5, 0},
    {2, 140, 60, 48, 7, 2.0, 4}, {2, 180, 60, 45, 10, 2.5, 3},
};

constexpr int FieldWidth = 320;
constexpr int BannerX = 160;
constexpr int BannerY = 80;
// The early call's "+$N" rises from just above the money, clear of the status row's marks.
constexpr int BonusTextX = 4;
constexpr int BonusTextY = 208;
// What N pays per whole second left when the data set does not say.
constexpr int DefaultEarlyCallBonus = 2;

} // namespace

World::World()
    : app(&Application::instance())
    , towerActions(ControlWiring::towerActions(*this))
    , keyboard(ControlWiring::keyboard(*this, *towerActions))
    , buildBar(std::make_unique<BuildBar>(*this, *towerActions))
    , renderer(std::make_unique<WorldRenderer>(*this))
{
}

World::~World() = default;

void World::run()
{
    newGame();
    if (runKeeper)
        runKeeper->resume(*this);
    FrameStepper stepper(*this);
    while (running) {
        const double dt = app->waitForNextFrame();
        stepper.advance(dt, FrameStepper::speedFor(app->input().keyHeld(KEY_TAB), speedStep));
        bestRecord.retry(app->now());
        app->music.setMuted(app->sound.muted());
        app->music.follow(musicCue());
        app->music.update();
        draw();
    }
    bestRecord.close();
    // Mid-wave the checkpoint of the wave's start stands; after game over there is none.
    if (runKeeper && !gameOver && !currentWave)
        runKeeper->keep(*this);
}

MusicCue World::musicCue() const
{
    const MusicPiece piece = gameOver ? MusicPiece::GameOver : currentWave ? MusicPiece::Wave : MusicPiece::Build;
    const bool waiting = paused || mode == QuitDialog || mode == NewGameDialog || keyboard->helpShown();
    return {piece, waveNumber, waiting};
}

void World::newGame()
{
    running = true;
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

void World::startOver(Difficulty::Level level)
{
    app->settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(level));
    if (runKeeper)
        runKeeper->forget();
    difficulty.level = level;
    playAgain();
}

void World::setDifficulty(Difficulty::Level level)
{
    difficulty = Difficulty::of(app->config, level);
    if (!recordStoreFor || recordLevel == level)
        return;
    // A count still waiting for the last difficulty's store is offered before it goes.
    bestRecord.close();
    bestRecord = BestRecord(recordStoreFor(level));
    recordLevel = level;
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
    health = maxHealth = difficulty.startingHealth;
    money = difficulty.startingMoney;
    clouds.clear();
    for (const CloudGroup& group : CloudGroups) {
        int offset = 0;
        for (int i = 0; i < group.count; ++i, offset += group.offsetStep) {
            Cloud cloud;
            cloud.x = offset + std::rand() % group.xSpread;
            cloud.y = group.yBase + std::rand() % group.ySpread;
            cloud.speed = group.speed;
            cloud.imageIndex = group.imageIndex;
            clouds.push_back(cloud);
        }
    }
    waveNumber = 1;
    currentWave.reset();
    waveTimer = difficulty.timeBetweenWaves;
}

void World::update(double dt)
{
    if (pauseRequested.exchange(false) && !gameOver)
        paused = true;
    if (paused || keyboard->helpShown()) {
        handleControls();
        return;
    }
    if (!gameOver) {
        statistics.timePassed(dt);
        updateWaveSchedule(dt);
    }
    updateClouds(dt);
    if (!gameOver)
        for (auto& tower : towers)
            tower->update(dt);
    for (auto& projectile : projectiles)
        projectile->update(dt);
    for (auto& effect : effects)
        effect->update(dt);
    if (currentWave) {
        resolveHits();
        currentWave->update(dt);
    }
    // A second pass with no elapsed time lets missiles whose target died this frame re-target.
    for (auto& projectile : projectiles)
        projectile->update(0.0);
    removeFinished();
    handleControls();
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
        waveTimer = difficulty.timeBetweenWaves;
        currentWave.reset();
        statistics.waveDefeated();
        ++waveNumber;
    }
}

void World::startWave()
{
    if (runKeeper)
        runKeeper->keep(*this);
    // A player who has not chosen a difficulty plays Normal: from the first wave on it is kept.
    if (!app->settings.inEffect().difficulty)
        app->settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(Difficulty::Level::Normal));
    currentWave = std::make_unique<SquibbleWave>(SquibbleWave::sizeFor(waveNumber));
    waveTimer = -1.0;
    char banner[32];
    std::snprintf(banner, sizeof banner, "Wave %d", waveNumber);
    effects.push_back(std::make_unique<BounceTextEffect>(BannerX, BannerY, app->fontMain.get(), banner));
    app->sound.play(SoundEvent::WaveStarted);
}

int World::earlyCallBonus() const
{
    if (!mayCallNextWave())
        return 0;
    Config& config = app->config;
    const bool given = config.contains("EarlyCallBonus") && !config.get("EarlyCallBonus").empty();
    const int perSecond = given ? config.getInt("EarlyCallBonus") : DefaultEarlyCallBonus;
    const double total = std::floor(waveTimer) * perSecond;
    // A broken bonus pays nothing rather than taking money or overflowing it.
    return total > 0.0 && total < 1e9 ? static_cast<int>(total) : 0;
}

void World::callNextWave()
{
    if (!mayCallNextWave())
        return;
    const int bonus = earlyCallBonus();
    // The wave's checkpoint is taken before the bonus: a run resumed there may call the wave early
    // again, and must not be paid twice.
    startWave();
    if (bonus > 0) {
        money = RunLimits::paid(money, bonus);
        statistics.earlyCall(bonus);
        char text[32];
        std::snprintf(text, sizeof text, "+$%d", bonus);
        effects.push_back(std::make_unique<TextEffect>(BonusTextX, BonusTextY, app->fontSmall.get(), text));
    }
}

void World::updateClouds(double dt)
{
    for (Cloud& cloud : clouds) {
        cloud.x -= dt * cloud.speed;
        const BITMAP* image = app->cloudImages[cloud.imageIndex];
        const int width = image ? image->w : 0;
        if (cloud.x < -width)
            cloud.x = FieldWidth;
    }
}

void World::resolveHits()
{
    // An invader's centre depends on its current frame, which only a hit can change (a flash, or
    // a missile's splash on its neighbours): the centres are worked out once, and again after a hit.
    struct Target {
        Invader* invader;
        double x;
        double y;
    };
    std::vector<Target> targets;
    targets.reserve(currentWave->invaders.size());
    for (auto& invader : currentWave->invaders)
        targets.push_back({invader.get(), invader->centreX(), invader->centreY()});
    for (auto& projectile : projectiles) {
        for (const Target& target : targets) {
            if (!projectile->alive)
                break;
            Invader* invader = target.invader;
            if (invader->health <= 0)
                continue;
            const double dx = target.x - projectile->x;
            const double dy = target.y - projectile->y;
            if (invader->radius * invader->radius > dx * dx + dy * dy) {
                projectile->hit(invader);
                for (Target& moved : targets) {
                    moved.x = moved.invader->centreX();
                    moved.y = moved.invader->centreY();
                }
            }
        }
    }
}

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
    else if (paused && mode != QuitDialog && mode != NewGameDialog && app->mouseClicked(1))
        keyboard->refusePausedClick(app->mouseX);
    handleDialog();
}

void World::handleDialog()
{
    if ((mode != QuitDialog && mode != NewGameDialog) || !app->mouseClicked(1))
        return;
    if (app->mouseInRect(QuitButtonX, QuitYesY, QuitButtonWidth, QuitButtonHeight))
        answerDialog(true);
    else if (app->mouseInRect(QuitButtonX, QuitNoY, QuitButtonWidth, QuitButtonHeight))
        answerDialog(false);
}

void World::answerDialog(bool yes)
{
    if (!yes)
        mode = Idle;
    else if (mode == QuitDialog)
        running = false;
    else if (mode == NewGameDialog)
        startOver(difficulty.level);
}

void World::endGame()
{
    gameOver = true;
    // The quit dialog opens by itself; an open "New Game?" stays rather than turn into it under
    // the player's pointer.
    if (mode != NewGameDialog)
        mode = QuitDialog;
    paused = false;
    bestRecord.gameEnded(waveNumber - 1);
    statistics.close();
    if (runKeeper)
        runKeeper->forget();
}

std::unique_ptr<Building> World::createTower(int kind)
{
    switch (kind) {
    case 0: return std::make_unique<LaserTurret>();
    case 1: return std::make_unique<MissileTurret>();
    case 2: return std::make_unique<TeslaCoil>();
    default: return nullptr;
    }
}

void World::draw()
{
    BITMAP* target = app->backBuffer->bitmap;
    renderer->draw(target);
    buildBar->draw(target);
    renderer->drawOverlays(target);
    renderer->drawControls(target);
    app->backBuffer->present();
    keyboard->pictureShown();
}

bool World::canPlaceTower()
{
    return towerActions->canPlaceAt(towerActions->previewX());
}
