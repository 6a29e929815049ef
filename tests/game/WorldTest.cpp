#include "game/World.h"

#include "app/BackBuffer.h"
#include "effects/Effect.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "projectiles/Projectile.h"
#include "support/WorldFixture.h"

#include <allegro.h>

#include <vector>

namespace {

using WorldNewGame = WorldFixture;
using WorldWaves = WorldFixture;
using WorldInput = WorldFixture;
using WorldDrawing = WorldFixture;

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
