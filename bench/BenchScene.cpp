#include "bench/BenchScene.h"

#include "app/Application.h"
#include "control/GameSpeed.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "towers/Building.h"

namespace {

constexpr double FrameTime = 1.0 / 60.0;
constexpr int HeavyWave = 40;
constexpr int HeavyWaveInvaders = 2 * HeavyWave + 14;
constexpr int TowerCount = 15;
// Tower centres from the left edge, this far apart: 15 towers across the 320-pixel field.
constexpr int FirstTowerCentre = 12;
constexpr int TowerSpacing = 21;
// Health that escapes never use up, and money that is never short.
constexpr int EndlessHealth = 1000000; // times the bar width still fits an int
constexpr int PlentyOfMoney = 1000000;
// Seconds of play before measuring, so shots and effects are in flight.
constexpr double WarmUpSeconds = 4.0;
// A wave is renewed once this many of its invaders are gone or its lowest row is this low.
constexpr std::size_t FewestInvaders = HeavyWaveInvaders * 2 / 3;
constexpr double LowestRowY = 150.0;
constexpr double NoWaveSoon = 1.0e9;

} // namespace

BenchScene::BenchScene()
    : player(strategy, {1, FrameTime})
    , stepper(player.world())
{
    world().waveTimer = NoWaveSoon;
}

std::unique_ptr<BenchScene> BenchScene::empty()
{
    return std::unique_ptr<BenchScene>(new BenchScene());
}

std::unique_ptr<BenchScene> BenchScene::heavy()
{
    std::unique_ptr<BenchScene> scene(new BenchScene());
    World& world = scene->world();
    world.health = world.maxHealth = EndlessHealth;
    world.money = PlentyOfMoney;
    scene->buildTowers();
    scene->startWave();
    for (int frame = 0; frame < static_cast<int>(WarmUpSeconds / FrameTime); ++frame) {
        scene->renewWave();
        scene->frame();
    }
    return scene;
}

std::unique_ptr<BenchScene> BenchScene::fastForward()
{
    std::unique_ptr<BenchScene> scene = heavy();
    scene->tabHeld = true;
    return scene;
}

std::unique_ptr<BenchScene> BenchScene::gameOver()
{
    std::unique_ptr<BenchScene> scene = heavy();
    scene->world().endGame();
    // Let the last shots fly out.
    for (int frame = 0; frame < static_cast<int>(WarmUpSeconds / FrameTime); ++frame)
        scene->frame();
    return scene;
}

void BenchScene::buildTowers()
{
    World& world = this->world();
    const Application& app = Application::instance();
    for (int i = 0; i < TowerCount; ++i) {
        std::unique_ptr<Building> tower = world.createTower(i % 3);
        tower->place(FirstTowerCentre + i * TowerSpacing - tower->firstFrameWidth() / 2);
        const TowerType& type = app.towerTypes[static_cast<std::size_t>(tower->kind)];
        for (int path = 0; path + 1 < type.upgradeCount; ++path)
            for (int level = 0; level < type.upgrades[static_cast<std::size_t>(path + 1)].levelCount; ++level)
                tower->upgrade(path);
        world.towers.push_back(std::move(tower));
    }
}

void BenchScene::startWave()
{
    World& world = this->world();
    world.waveNumber = HeavyWave;
    world.waveTimer = -1.0;
    world.currentWave = std::make_unique<SquibbleWave>(HeavyWaveInvaders);
}

bool BenchScene::renewWave()
{
    const World& world = this->world();
    bool renew = !world.currentWave || world.currentWave->invaders.size() < FewestInvaders;
    if (!renew)
        for (const auto& invader : world.currentWave->invaders)
            renew = renew || invader->y > LowestRowY;
    if (renew)
        startWave();
    return renew;
}

void BenchScene::update()
{
    Application::instance().sampleMouse();
    stepper.advance(FrameTime, GameSpeed::of(tabHeld, 1));
}

void BenchScene::frame()
{
    update();
    world().draw();
}
