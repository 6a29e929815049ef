#include "game/World.h"

#include "app/BackBuffer.h"
#include "app/WindowEvents.h"
#include "control/KeyboardControls.h"
#include "effects/Effect.h"
#include "checkpoint/RunKeeper.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "projectiles/LaserProjectile.h"
#include "projectiles/Projectile.h"
#include "support/TestSound.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <allegro.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

using WorldNewGame = WorldFixture;
using WorldWaves = WorldFixture;
using WorldInput = WorldFixture;
using WorldDrawing = WorldFixture;
using WorldPlayAgain = WorldFixture;
using WorldPause = WorldFixture;

// A projectile that stays where it is put and records its hits (it is deleted once spent).
class StillProjectile : public Projectile {
public:
    StillProjectile(int x, int y, std::vector<Invader*>& hits) : Projectile(x, y), hits(hits) {}
    void update(double) override {}
    void draw(BITMAP*) override {}
    void hit(Invader* invader) override
    {
        hits.push_back(invader);
        alive = false;
    }
    std::vector<Invader*>& hits;
};

// An effect that lasts until the test ends.
class LastingEffect : public Effect {
public:
    explicit LastingEffect(int serial) : serial(serial) { lifetime = 1.0e9; }
    void draw(BITMAP*) override {}
    int serial;
};

// A record kept in memory.
class MemoryRecord : public RecordStore {
public:
    explicit MemoryRecord(std::optional<int> stored) : stored(stored) {}
    std::optional<int> load() override { return stored; }
    Offer keepIfHigher(int waves) override
    {
        return {waves > stored.value_or(0) ? std::exchange(stored, waves) : stored, false};
    }
    std::optional<int> stored;
};

// Everything of the world that game time moves, to compare across frames.
std::vector<double> movingState(const World& world)
{
    std::vector<double> state{world.waveTimer};
    for (const Cloud& cloud : world.clouds)
        state.push_back(cloud.x);
    for (const auto& projectile : world.projectiles)
        state.insert(state.end(), {projectile->x, projectile->y});
    for (const auto& effect : world.effects)
        state.push_back(effect->elapsed);
    for (const auto& invader : world.currentWave->invaders)
        state.insert(state.end(), {invader->x, invader->y});
    return state;
}

// Pixels of one colour in a band of rows of the back buffer.
int inkInRows(int top, int colour)
{
    BITMAP* target = Application::instance().backBuffer->bitmap;
    int count = 0;
    for (int y = top; y < top + testcontent::GlyphHeight; ++y)
        for (int x = 0; x < target->w; ++x)
            count += getpixel(target, x, y) == colour;
    return count;
}

// Mid-wave: a laser turret firing at the wave's invaders, with its shots, the banner and a bolt about.
void startFight(World& world)
{
    auto tower = world.createTower(0);
    tower->place(150);
    world.towers.push_back(std::move(tower));
    world.update(4.99);
    world.update(0.01);
    for (auto& invader : world.currentWave->invaders)
        invader->y = 150;
    for (int i = 0; i < 20; ++i)
        world.update(0.05);
    world.projectiles.push_back(std::make_unique<LaserProjectile>(10, 230, 1));
}

} // namespace

TEST_F(WorldNewGame, StartsWithConfiguredHealthAndMoney)
{
    EXPECT_TRUE(world->running);
    EXPECT_EQ(world->mode, Idle);
    EXPECT_EQ(world->health, 20);
    EXPECT_EQ(world->maxHealth, 20);
    EXPECT_EQ(world->money, 100);
    EXPECT_EQ(world->waveNumber, 1);
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_DOUBLE_EQ(world->waveTimer, 5.0);
}

TEST_F(WorldNewGame, MakesSeventeenCloudsInTableOrder)
{
    ASSERT_EQ(world->clouds.size(), 17u);
    const int groupSizes[] = {6, 4, 3, 2, 2};
    const int steps[] = {60, 80, 110, 140, 180};
    const int xSpreads[] = {30, 30, 30, 60, 60};
    const int yBases[] = {50, 50, 48, 48, 45};
    const int ySpreads[] = {10, 10, 8, 7, 10};
    const double speeds[] = {0.5, 1.0, 1.5, 2.0, 2.5};
    const int images[] = {1, 2, 0, 4, 3};
    auto cloud = world->clouds.begin();
    for (int group = 0; group < 5; ++group) {
        for (int i = 0; i < groupSizes[group]; ++i, ++cloud) {
            const int offset = i * steps[group];
            EXPECT_GE(cloud->x, offset);
            EXPECT_LT(cloud->x, offset + xSpreads[group]);
            EXPECT_GE(cloud->y, yBases[group]);
            EXPECT_LT(cloud->y, yBases[group] + ySpreads[group]);
            EXPECT_DOUBLE_EQ(cloud->speed, speeds[group]);
            EXPECT_EQ(cloud->imageIndex, images[group]);
        }
    }
}

TEST_F(WorldNewGame, CloudWrapsToTheRightEdgeOncePastItsWidth)
{
    Cloud& cloud = world->clouds.front(); // image 1 is 30 pixels wide in the test content
    cloud.x = -29.9;
    world->update(0.1); // 0.5 px/s: -29.95, still visible
    EXPECT_LT(cloud.x, -29.9);
    cloud.x = -29.99;
    world->update(0.1);
    EXPECT_DOUBLE_EQ(cloud.x, 320.0);
}

TEST_F(WorldWaves, WaveNHasTwoNPlusFourteenInvadersAndItsBanner)
{
    for (int n = 1; n <= 3; ++n) {
        world->waveTimer = 0.0;
        world->waveNumber = n;
        world->currentWave.reset();
        const size_t effectsBefore = world->effects.size();
        world->update(0.0);
        ASSERT_NE(world->currentWave, nullptr);
        EXPECT_EQ(world->currentWave->invaders.size(), static_cast<size_t>(2 * n + 14));
        EXPECT_DOUBLE_EQ(world->waveTimer, -1.0);
        EXPECT_EQ(world->effects.size(), effectsBefore + 1);
    }
}

TEST_F(WorldWaves, PauseCountsDownBeforeTheFirstWave)
{
    world->update(4.0);
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_DOUBLE_EQ(world->waveTimer, 1.0);
    world->update(1.0);
    EXPECT_NE(world->currentWave, nullptr);
}

TEST_F(WorldWaves, WaveEndsInTheFrameAfterItsLastInvaderGoes)
{
    world->update(5.0);
    ASSERT_NE(world->currentWave, nullptr);
    for (auto& invader : world->currentWave->invaders)
        invader->health = 0;
    world->update(0.0); // the wave deletes its dead at the end of its own update
    ASSERT_NE(world->currentWave, nullptr);
    EXPECT_TRUE(world->currentWave->invaders.empty());
    world->update(0.0);
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_EQ(world->waveNumber, 2);
    EXPECT_DOUBLE_EQ(world->waveTimer, 5.0);
}

TEST_F(WorldWaves, ProjectileExactlyAtTheRadiusDoesNotHit)
{
    world->update(5.0);
    Invader& invader = *world->currentWave->invaders.front();
    invader.x = 100;
    invader.y = 100;
    const int cx = static_cast<int>(invader.centreX());
    const int cy = static_cast<int>(invader.centreY());
    std::vector<Invader*> edgeHits;
    std::vector<Invader*> insideHits;
    // The test invaders have a radius of 8.
    world->projectiles.push_back(std::make_unique<StillProjectile>(cx + 8, cy, edgeHits));
    world->projectiles.push_back(std::make_unique<StillProjectile>(cx + 7, cy, insideHits));
    world->update(0.0);
    EXPECT_TRUE(edgeHits.empty());
    ASSERT_EQ(insideHits.size(), 1u);
    EXPECT_EQ(insideHits.front(), &invader);
    EXPECT_EQ(world->projectiles.size(), 1u); // the spent one was deleted in the same frame
}

TEST_F(WorldInput, EscapeTogglesTheQuitDialogAndDTheDebugOverlay)
{
    world->mode = Placing;
    input->pressKey(KEY_ESC);
    world->update(0.0);
    EXPECT_EQ(world->mode, QuitDialog);
    input->pressKey(KEY_ESC);
    world->update(0.0);
    EXPECT_EQ(world->mode, Idle);
    input->pressKey(KEY_D);
    input->pressKey(KEY_D);
    world->update(0.0);
    EXPECT_TRUE(world->showDebug); // one key per frame
    world->update(0.0);
    EXPECT_FALSE(world->showDebug);
}

TEST_F(WorldInput, QuitDialogAnswersYesAndNo)
{
    world->mode = QuitDialog;
    clickAt(150, 120); // "No"
    EXPECT_EQ(world->mode, Idle);
    EXPECT_TRUE(world->running);
    world->mode = QuitDialog;
    clickAt(180, 118); // the right and bottom edges of "Yes" still count
    EXPECT_FALSE(world->running);
}

TEST_F(WorldInput, ZeroStartingHealthEndsTheGameOnTheFirstFrame)
{
    app().config.set("StartingHealth", "0");
    world->newGame();
    world->update(0.016);
    EXPECT_TRUE(world->gameOver);
    EXPECT_EQ(world->mode, QuitDialog);
    EXPECT_EQ(world->health, 0);
    EXPECT_EQ(world->waveNumber - 1, 0);
}

TEST_F(WorldInput, NoWaveStartsOnceTheGameIsOver)
{
    world->endGame();
    world->update(10.0);
    EXPECT_EQ(world->currentWave, nullptr);
}

TEST_F(WorldDrawing, HealthBarWidthFollowsHealth)
{
    BITMAP* target = app().backBuffer->bitmap;
    const int fillColour = getpixel(app().redBarImage, 1, 1);
    auto filledPixels = [&] {
        int count = 0;
        for (int x = 12; x < 12 + 53; ++x)
            count += getpixel(target, x, 221) == fillColour; // above the health number
        return count;
    };
    world->draw();
    const int full = filledPixels();
    world->health = 10;
    world->draw();
    const int half = filledPixels();
    world->health = 0;
    world->draw();
    const int empty = filledPixels();
    EXPECT_EQ(full, 50);
    EXPECT_EQ(half, 25);
    EXPECT_EQ(empty, 0);
}

TEST_F(WorldDrawing, HugeHealthStillFillsTheWholeBar)
{
    world->health = world->maxHealth = 2000000000;
    world->draw();
    BITMAP* target = app().backBuffer->bitmap;
    const int fillColour = getpixel(app().redBarImage, 1, 1);
    EXPECT_EQ(getpixel(target, 12, 221), fillColour);
    EXPECT_EQ(getpixel(target, 61, 221), fillColour);
    EXPECT_NE(getpixel(target, 62, 221), fillColour);
}

TEST_F(WorldDrawing, FieldTurnsGreyAfterGameOver)
{
    world->endGame();
    world->draw();
    BITMAP* target = app().backBuffer->bitmap;
    for (int y = 0; y < 240; y += 17) {
        for (int x = 0; x < 320; x += 13) {
            const int pixel = getpixel(target, x, y);
            if (pixel == makecol(255, 255, 255) || pixel == makecol(255, 0, 0) || pixel == makecol(0, 0, 0))
                continue; // dialog text and the red captions are drawn over the grey field
            EXPECT_EQ(getr(pixel), getg(pixel)) << x << "," << y;
            EXPECT_EQ(getg(pixel), getb(pixel)) << x << "," << y;
        }
    }
}

TEST_F(WorldWaves, PastTwoThousandEffectsTheOldestGo)
{
    for (int serial = 0; serial < 2100; ++serial)
        world->effects.push_back(std::make_unique<LastingEffect>(serial));
    world->update(0.0);
    ASSERT_EQ(world->effects.size(), 2000u);
    EXPECT_EQ(static_cast<LastingEffect&>(*world->effects.front()).serial, 100);
    EXPECT_EQ(static_cast<LastingEffect&>(*world->effects.back()).serial, 2099);
}

TEST_F(WorldPlayAgain, EnterAfterGameOverStartsAFreshGameLikeTheFirst)
{
    const int firstMoney = world->money;
    startFight(*world);
    ASSERT_FALSE(world->projectiles.empty() || world->effects.empty());
    input->pressKey(KEY_ENTER); // nothing while the game goes on
    world->update(0.0);
    ASSERT_EQ(world->towers.size(), 1u);
    input->pressKey(KEY_F);
    world->update(0.0);
    ASSERT_EQ(world->speedStep, 2);
    world->selectedTower = world->towers.front().get();
    world->health = 0;
    world->update(0.0);
    world->showFrame(); // Enter answers once "Game Over" has shown
    input->pressKey(KEY_ENTER);
    world->update(0.0);
    EXPECT_FALSE(world->gameOver);
    EXPECT_EQ(world->mode, Idle);
    EXPECT_TRUE(world->towers.empty() && world->projectiles.empty() && world->effects.empty());
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_EQ(world->selectedTower, nullptr);
    EXPECT_EQ(world->health, 20);
    EXPECT_EQ(world->money, firstMoney);
    EXPECT_EQ(world->waveNumber, 1);
    EXPECT_DOUBLE_EQ(world->waveTimer, 5.0);
    EXPECT_EQ(world->clouds.size(), 17u);
    EXPECT_EQ(world->speedStep, 1) << "speed steps belong to one game";
}

TEST_F(WorldPlayAgain, OnlyABeatenBestIsStoredAndShownAsNew)
{
    auto store = std::make_unique<MemoryRecord>(3);
    MemoryRecord& kept = *store;
    world->bestRecord = BestRecord(std::move(store));
    const int red = makecol(255, 0, 0);
    const int white = makecol(255, 255, 255);
    world->draw();
    EXPECT_EQ(inkInRows(140, white), 0);
    world->waveNumber = 4; // three defeated: a tie
    world->endGame();
    world->mode = Idle;
    world->draw();
    EXPECT_FALSE(world->bestRecord.newBest());
    EXPECT_GT(inkInRows(82, red), 0);     // "Best: 3"
    EXPECT_EQ(inkInRows(82, white), 0);   // no "New best!"
    EXPECT_GT(inkInRows(140, white), 0);  // "Press Enter to play again"
    world->playAgain();
    world->waveNumber = 6;
    world->endGame();
    world->mode = Idle;
    world->draw();
    EXPECT_EQ(kept.stored, 5);
    EXPECT_GT(inkInRows(82, white), 0);
    world->playAgain();
    EXPECT_FALSE(world->bestRecord.newBest());
}

TEST_F(WorldPause, PFreezesTheWholeFieldAcrossFramesButNotTheQuitDialog)
{
    startFight(*world);
    world->draw();
    const int inkWithoutPause = inkInRows(60, makecol(255, 255, 255));
    input->pressKey(KEY_P);
    world->update(0.05); // the key is read after this frame's time has passed
    const std::vector<double> frozen = movingState(*world);
    for (int i = 0; i < 30; ++i)
        world->update(0.05);
    EXPECT_EQ(movingState(*world), frozen);
    clickAt(309, 229); // the build bar does not answer
    EXPECT_EQ(world->mode, Idle);
    world->draw();
    EXPECT_GT(inkInRows(60, makecol(255, 255, 255)), inkWithoutPause); // "Paused"
    input->pressKey(KEY_ESC);
    world->update(0.05);
    EXPECT_EQ(world->mode, QuitDialog);
    input->pressKey(KEY_P);
    world->update(0.05);
    world->update(0.05);
    EXPECT_NE(movingState(*world), frozen);
}

TEST_F(WorldPause, DimsTheFieldGreysTheBarAndAnswersAClickWithItsHint)
{
    testsound::RecordingSoundOutput& sounds = testsound::install();
    BITMAP* target = app().backBuffer->bitmap;
    const std::pair<int, int> field[] = {{5, 5}, {300, 150}, {40, 200}}, bar[] = {{290, 225}, {310, 235}};
    auto brightness = [&](std::pair<int, int> at) {
        const int pixel = getpixel(target, at.first, at.second);
        return getr(pixel) + getg(pixel) + getb(pixel);
    };
    world->draw();
    std::vector<int> before;
    for (const auto& at : field)
        before.push_back(brightness(at));
    input->pressKey(KEY_P);
    world->update(0.0);
    world->draw();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(brightness(field[i]), before[i] / 2, 6) << i;
    for (const auto& [x, y] : bar) {
        const int pixel = getpixel(target, x, y);
        EXPECT_TRUE(getr(pixel) == getg(pixel) && getg(pixel) == getb(pixel)) << x << "," << y;
    }
    EXPECT_EQ(getpixel(target, 160, 59), makecol(0x22, 0x20, 0x34)) << "a dark box behind \"Paused\"";
    clickAt(309, 229);
    EXPECT_EQ(world->mode, Idle);
    EXPECT_EQ(sounds.of(SoundEvent::Refused).size(), 1u);
    EXPECT_TRUE(world->keys().pauseHintLit() && world->keys().notice().empty());
}

TEST_F(WorldPause, LosingTheFocusPausesUntilPButNotOnceTheGameIsOver)
{
    onSwitchOut();
    onSwitchIn(); // at once, as the library does at start-up: no pause
    world->update(0.0);
    EXPECT_FALSE(world->paused);
    onSwitchOut();
    world->update(0.0);
    onSwitchIn(); // a pause taken stays
    world->update(0.0);
    EXPECT_TRUE(world->paused);
    input->pressKey(KEY_P);
    world->update(0.0);
    EXPECT_FALSE(world->paused);
    world->endGame();
    onSwitchOut();
    input->pressKey(KEY_P);
    world->update(0.0);
    EXPECT_FALSE(world->paused);
}

namespace {

// Counts what the World hands its run keeper.
struct CountingKeeper : RunKeeper {
    void resume(const Restore&) override {}
    void keep(const Checkpoint& run) override { keptWaves.push_back(run.waveNumber), keptMoney = run.money; }
    void forget() override { ++forgotten; }
    std::vector<int> keptWaves;
    int keptMoney = 0;
    int forgotten = 0;
};

} // namespace

TEST_F(WorldInput, F2AsksForANewGameThatForgetsTheRunAndAWaveStartKeepsIt)
{
    auto& keeper = *new CountingKeeper;
    world->runKeeper.reset(&keeper);
    world->towers.push_back(world->createTower(0));
    world->update(5.0);
    EXPECT_EQ(keeper.keptWaves, std::vector<int>{1});
    for (int answer : {int(KEY_ESC), 0}) { // Esc closes the dialog, and so does "No"
        input->pressKey(KEY_F2);
        input->pressKey(answer);
        frame(0.0);
        EXPECT_EQ(world->mode, NewGameDialog);
        const double invaderY = world->currentWave->invaders.front()->y;
        world->update(1.0);
        EXPECT_EQ(world->currentWave->invaders.front()->y, invaderY) << "the game waits while \"New Game?\" is open";
        answer ? frame(0.0) : clickAt(150, 120);
        EXPECT_EQ(world->mode, Idle);
    }
    world->paused = world->resumed = true; // it answers in a resumed run's pause too
    input->pressKey(KEY_F2);
    frame(0.0);
    clickAt(150, 110); // "Yes"
    EXPECT_EQ(keeper.forgotten, 1);
    EXPECT_TRUE(world->towers.empty() && !world->currentWave && world->waveNumber == 1 && world->mode == Idle);
    EXPECT_TRUE(world->running && !world->paused && !world->resumed);
    const int money = world->money;
    input->pressKey(KEY_N);
    frame(0.0);
    EXPECT_TRUE(world->money > money && keeper.keptMoney == money) << "a resumed run would be paid its early call twice";
    input->pressKey(KEY_F2); // in the frame of the last landing
    world->health = 0;
    frame(0.0);
    EXPECT_EQ(keeper.forgotten, 2) << "game over forgets the run";
    EXPECT_EQ(world->mode, NewGameDialog) << "an open \"New Game?\" stays";
}

TEST_F(WorldWaves, MusicFollowsTheGameAndQuietensWhileItWaits)
{
    using Expected = std::pair<MusicPiece, int>;
    const auto heard = [this] { return Expected{world->musicCue().piece, world->musicCue().wave}; };
    EXPECT_EQ(heard(), Expected(MusicPiece::Build, 1));
    world->update(5.0);
    EXPECT_EQ(heard(), Expected(MusicPiece::Wave, 1));
    for (auto& invader : world->currentWave->invaders)
        invader->health = 0;
    world->update(0.0);
    world->update(0.0);
    EXPECT_EQ(heard(), Expected(MusicPiece::Build, 2));
    // Every way the game waits turns the music down, and nothing else does.
    const std::pair<const char*, std::function<void(bool)>> waits[] = {
        {"pause", [this](bool on) { world->paused = on; }},
        {"quit dialog", [this](bool on) { world->mode = on ? QuitDialog : Idle; }},
        {"new-game dialog", [this](bool on) { world->mode = on ? NewGameDialog : Idle; }},
        {"help", [this](bool on) { input->pressKey(KEY_H), frame(0.0), (void)on; }},
    };
    for (const auto& [what, wait] : waits) {
        EXPECT_FALSE(world->musicCue().quiet) << what;
        wait(true);
        EXPECT_TRUE(world->musicCue().quiet) << what;
        wait(false);
    }
    world->health = 0;
    world->update(0.0);
    EXPECT_EQ(heard(), Expected(MusicPiece::GameOver, 2));
    EXPECT_EQ(std::pair(world->mode, world->musicCue().quiet), std::pair(int(QuitDialog), false))
        << "the game-over piece plays at its level under the dialog game over opens";
    world->playAgain();
    EXPECT_EQ(heard(), Expected(MusicPiece::Build, 1)) << "a new game starts the build piece";
}
