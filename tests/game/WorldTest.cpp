#include "game/World.h"

#include "app/BackBuffer.h"
#include "effects/Effect.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "projectiles/LaserProjectile.h"
#include "projectiles/Projectile.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <allegro.h>

#include <optional>
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

// A record kept in memory that counts what it is asked to keep.
class MemoryRecord : public RecordStore {
public:
    explicit MemoryRecord(std::optional<int> stored, int& saves) : stored(stored), saves(saves) {}
    std::optional<int> load() override { return stored; }
    bool save(int best) override
    {
        stored = best;
        ++saves;
        return true;
    }
    std::optional<int> stored;
    int& saves;
};

// Everything of the world that game time moves, to compare across frames.
std::vector<double> movingState(const World& world)
{
    std::vector<double> state{world.waveTimer, static_cast<double>(world.money), static_cast<double>(world.health)};
    for (const Cloud& cloud : world.clouds)
        state.push_back(cloud.x);
    for (const auto& projectile : world.projectiles) {
        state.push_back(projectile->x);
        state.push_back(projectile->y);
    }
    for (const auto& effect : world.effects)
        state.push_back(effect->elapsed);
    if (world.currentWave) {
        for (const auto& invader : world.currentWave->invaders) {
            state.push_back(invader->x);
            state.push_back(invader->y);
        }
    }
    state.push_back(static_cast<double>(world.projectiles.size()));
    return state;
}

// Count of pixels of one colour in a band of rows of the back buffer.
int inkInRows(int top, int height, int colour)
{
    BITMAP* target = Application::instance().backBuffer->bitmap;
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < target->w; ++x)
            count += getpixel(target, x, y) == colour;
    return count;
}

// A mid-wave field: a laser turret at x = 150 firing at a wave, with shots and effects about.
void startFight(World& world)
{
    auto tower = world.createTower(0);
    tower->place(150);
    world.towers.push_back(std::move(tower));
    world.update(4.99);
    world.update(0.01); // the wave starts with its banner
    for (auto& invader : world.currentWave->invaders)
        invader->y = 150;
    for (int i = 0; i < 20; ++i)
        world.update(0.05);
    world.projectiles.push_back(std::make_unique<LaserProjectile>(10, 230, 1)); // one on its way up
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

TEST_F(WorldPlayAgain, EnterAfterGameOverStartsAFreshGameLikeTheFirst)
{
    const int firstHealth = world->health;
    const int firstMoney = world->money;
    const double firstTimer = world->waveTimer;
    startFight(*world);
    ASSERT_FALSE(world->projectiles.empty());
    ASSERT_FALSE(world->effects.empty());
    world->selectedTower = world->towers.front().get();
    world->health = 0;
    world->update(0.0);
    ASSERT_TRUE(world->gameOver);

    input->pressKey(KEY_ENTER);
    world->update(0.0);
    EXPECT_FALSE(world->gameOver);
    EXPECT_TRUE(world->running);
    EXPECT_EQ(world->mode, Idle);
    EXPECT_TRUE(world->towers.empty());
    EXPECT_TRUE(world->projectiles.empty());
    EXPECT_TRUE(world->effects.empty());
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_EQ(world->selectedTower, nullptr);
    EXPECT_EQ(world->health, firstHealth);
    EXPECT_EQ(world->maxHealth, firstHealth);
    EXPECT_EQ(world->money, firstMoney);
    EXPECT_EQ(world->waveNumber, 1);
    EXPECT_DOUBLE_EQ(world->waveTimer, firstTimer);
    EXPECT_EQ(world->clouds.size(), 17u);

    world->update(firstTimer - 0.01);
    world->update(0.01); // the pause before wave 1 runs out: its wave and its banner
    ASSERT_NE(world->currentWave, nullptr);
    EXPECT_EQ(world->currentWave->invaders.size(), 16u);
    EXPECT_EQ(world->effects.size(), 1u);
}

TEST_F(WorldPlayAgain, EnterDoesNothingWhileTheGameGoesOn)
{
    startFight(*world);
    const std::size_t towers = world->towers.size();
    input->pressKey(KEY_ENTER);
    world->update(0.0);
    EXPECT_EQ(world->towers.size(), towers);
    EXPECT_NE(world->currentWave, nullptr);
}

TEST_F(WorldPlayAgain, GameOverComparesWithTheBestAndKeepsOnlyABeatenOne)
{
    int saves = 0;
    auto store = std::make_unique<MemoryRecord>(3, saves);
    MemoryRecord& kept = *store;
    world->bestRecord = BestRecord(std::move(store));
    world->waveNumber = 3; // two waves defeated: not a record
    world->endGame();
    EXPECT_EQ(world->bestRecord.best(), 3);
    EXPECT_FALSE(world->bestRecord.newBest());
    EXPECT_EQ(saves, 0);

    world->playAgain();
    world->waveNumber = 6;
    world->endGame();
    EXPECT_EQ(world->bestRecord.best(), 5);
    EXPECT_TRUE(world->bestRecord.newBest());
    EXPECT_EQ(kept.stored, 5);
    EXPECT_EQ(saves, 1);
    world->playAgain();
    EXPECT_FALSE(world->bestRecord.newBest());
}

TEST_F(WorldDrawing, GameOverShowsTheBestAndTheOfferToPlayAgain)
{
    const int white = makecol(255, 255, 255);
    const int red = makecol(255, 0, 0);
    world->draw();
    EXPECT_EQ(inkInRows(140, 7, white), 0);
    world->waveNumber = 4;
    world->endGame();
    world->mode = Idle; // the dialog dismissed, so only the picture's own texts show
    world->draw();
    EXPECT_GT(inkInRows(140, 7, white), 0);  // "Press Enter to play again"
    EXPECT_GT(inkInRows(82, 7, red), 0);     // "Best: 3"
    EXPECT_GT(inkInRows(82, 7, white), 0);   // "New best!"
    world->playAgain();
    world->endGame(); // no waves defeated: the best stands and nothing is new
    world->mode = Idle;
    world->draw();
    EXPECT_GT(inkInRows(82, 7, red), 0);
    EXPECT_EQ(inkInRows(82, 7, white), 0);
}

TEST_F(WorldPause, PFreezesTheWholeFieldAcrossFramesAndResumes)
{
    startFight(*world);
    input->pressKey(KEY_P);
    world->update(0.05);
    ASSERT_TRUE(world->paused);
    const std::vector<double> frozen = movingState(*world);
    for (int i = 0; i < 30; ++i)
        world->update(0.05);
    EXPECT_EQ(movingState(*world), frozen);

    input->pressKey(KEY_P);
    world->update(0.05);
    EXPECT_FALSE(world->paused);
    world->update(0.05);
    EXPECT_NE(movingState(*world), frozen);
}

TEST_F(WorldPause, PauseBeforeTheFirstWaveHoldsItsCountdown)
{
    input->pressKey(KEY_P);
    world->update(1.0); // the key is read after this frame's time has passed
    world->update(100.0);
    EXPECT_EQ(world->currentWave, nullptr);
    EXPECT_DOUBLE_EQ(world->waveTimer, 4.0);
}

TEST_F(WorldPause, EscStillOpensTheQuitDialogButTheBuildBarIsDeaf)
{
    input->pressKey(KEY_P);
    world->update(0.0);
    clickAt(309, 229); // the laser's build button
    EXPECT_EQ(world->mode, Idle);
    input->pressKey(KEY_ESC);
    world->update(0.0);
    EXPECT_EQ(world->mode, QuitDialog);
    clickAt(160, 112); // "Yes"
    EXPECT_FALSE(world->running);
    EXPECT_TRUE(world->paused);
}

TEST_F(WorldPause, LosingTheFocusPausesUntilP)
{
    onSwitchOut();
    world->update(0.0);
    EXPECT_TRUE(world->paused);
    world->update(0.0);
    EXPECT_TRUE(world->paused); // a second frame does not resume it
    input->pressKey(KEY_P);
    world->update(0.0);
    EXPECT_FALSE(world->paused);
}

TEST_F(WorldPause, NoPauseOnceTheGameIsOver)
{
    world->endGame();
    onSwitchOut();
    input->pressKey(KEY_P);
    world->update(0.0);
    EXPECT_FALSE(world->paused);
    input->pressKey(KEY_ENTER);
    world->update(0.0); // the next game starts running, not paused
    EXPECT_FALSE(world->gameOver);
    EXPECT_FALSE(world->paused);
}

TEST_F(WorldDrawing, PausedShowsOverTheField)
{
    const int white = makecol(255, 255, 255);
    world->draw();
    const int before = inkInRows(60, 7, white);
    world->paused = true;
    world->draw();
    EXPECT_GT(inkInRows(60, 7, white), before);
}
