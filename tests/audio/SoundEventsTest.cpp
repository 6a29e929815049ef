// Which event of a game plays which sound, where it is panned, and that fast-forward stays a sound.
#include "audio/SoundBoard.h"

#include "app/BackBuffer.h"
#include "hud/MuteMark.h"
#include "invaders/Squibble.h"
#include "projectiles/MissileProjectile.h"
#include "support/TestSound.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "towers/LaserTurret.h"
#include "towers/MissileTurret.h"
#include "towers/TeslaCoil.h"

#include <allegro.h>

#include <algorithm>

namespace {

using testsound::now;

// Test content: build buttons 20 apart from x 300, baseline 200, money 100, the laser costs 50
// and a tower built with the mouse at 100 stands centred on 100.
class SoundEventsTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        sounds = &testsound::install();
    }

    // One frame of the game, a sixtieth of a second of real time after the last.
    void tick(double dt)
    {
        now() += 1.0 / 60.0;
        frame(dt);
    }
    // A click half a second after the last, so the voice cap lets every sound through.
    void click(int x, int y, int button = 1)
    {
        now() += 0.5;
        clickAt(x, y, button);
    }
    void buildLaserAt(int x)
    {
        click(309, 229);
        click(x, 150);
        click(x, 150, 2);
    }
    std::size_t heard(SoundEvent event) const { return sounds->of(event).size(); }

    testsound::RecordingSoundOutput* sounds = nullptr;
};

} // namespace

TEST_F(SoundEventsTest, WeaponsAndInvadersAreHeardWhereTheyAre)
{
    SquibbleWave& wave = testwave::install(*world, 4);
    LaserTurret laser;
    laser.place(20);
    laser.update(0.3);
    MissileTurret launcher;
    launcher.place(280);
    launcher.update(1.0);
    TeslaCoil coil;
    coil.place(150);
    testwave::centreAt(testwave::at(wave, 0), 158, 160);
    coil.update(0.6);
    Invader& target = testwave::at(wave, 1);
    testwave::centreAt(target, 60, 100);
    MissileProjectile(60, 100, 100, 0, 0.0).hit(&target);
    testwave::centreAt(testwave::at(wave, 2), 250, 200);
    wave.update(0.0);
    const std::pair<SoundEvent, double> expected[] = {
        {SoundEvent::LaserFired, 28},       {SoundEvent::MissileLaunched, 289}, {SoundEvent::TeslaStrike, 158},
        {SoundEvent::MissileExploded, 60},  {SoundEvent::InvaderDestroyed, 60}, {SoundEvent::InvaderEscaped, 250},
    };
    for (const auto& [event, x] : expected) {
        ASSERT_EQ(heard(event), 1u) << soundKey(event);
        EXPECT_EQ(sounds->of(event)[0].pan, SoundBoard::panFor(x)) << soundKey(event);
    }
}

TEST_F(SoundEventsTest, WaveStartQuitDialogAndGameOverAreHeardOnceInTheMiddle)
{
    tick(4.0);
    EXPECT_EQ(heard(SoundEvent::WaveStarted), 0u);
    tick(2.0);
    tick(0.1);
    ASSERT_EQ(heard(SoundEvent::WaveStarted), 1u);
    EXPECT_EQ(sounds->of(SoundEvent::WaveStarted)[0].pan, 128);
    input->pressKey(KEY_ESC);
    tick(0.0);
    input->pressKey(KEY_ESC); // closing it is silent
    tick(0.0);
    EXPECT_EQ(heard(SoundEvent::QuitDialog), 1u);
    world->health = 0;
    tick(0.0);
    tick(0.0);
    EXPECT_EQ(heard(SoundEvent::GameOver), 1u);
    EXPECT_EQ(heard(SoundEvent::QuitDialog), 1u); // the game-over dialog has its own sound
    sounds->stops.clear();
    world->showFrame(); // Enter answers once "Game Over" has shown
    input->pressKey(KEY_ENTER);
    tick(0.0); // a new game: the game-over sound stops
    EXPECT_NE(std::find(sounds->stops.begin(), sounds->stops.end(), "Sound.GameOver"), sounds->stops.end());
}

TEST_F(SoundEventsTest, BuildingUpgradingAndSellingAreHeardAndRefusalsToo)
{
    buildLaserAt(100);
    ASSERT_EQ(heard(SoundEvent::TowerBuilt), 1u);
    EXPECT_EQ(sounds->of(SoundEvent::TowerBuilt)[0].pan, SoundBoard::panFor(100));
    EXPECT_EQ(heard(SoundEvent::Refused), 0u);

    click(309, 229); // the laser again: 50 left, still affordable
    click(105, 150); // overlaps the first tower
    EXPECT_EQ(heard(SoundEvent::Refused), 1u);
    EXPECT_EQ(world->towers.size(), 1u);
    click(105, 150, 2);
    click(269, 229); // the tesla coil costs 100: too much
    EXPECT_EQ(heard(SoundEvent::Refused), 2u);
    EXPECT_EQ(world->mode, Idle);

    click(95, 190);   // select the tower
    click(289, 229);  // rate path, level 1 for 20
    ASSERT_EQ(heard(SoundEvent::UpgradeBought), 1u);
    EXPECT_EQ(sounds->of(SoundEvent::UpgradeBought)[0].pan, SoundBoard::panFor(100));
    click(269, 229);  // launcher path costs 60 of the 30 left
    EXPECT_EQ(heard(SoundEvent::Refused), 3u);
    EXPECT_EQ(world->money, 30);
    click(309, 229);  // demolish
    ASSERT_EQ(heard(SoundEvent::TowerSold), 1u);
    EXPECT_EQ(sounds->of(SoundEvent::TowerSold)[0].pan, SoundBoard::panFor(100));
    EXPECT_EQ(heard(SoundEvent::UpgradeBought), 1u);
}

TEST_F(SoundEventsTest, MKeyMutesWithAMarkInTheStatusRowAndUnmutes)
{
    BITMAP* target = app().backBuffer->bitmap;
    auto markPixels = [&] {
        world->draw();
        BITMAP* mark = create_bitmap(MuteMark::Width, MuteMark::Height);
        blit(target, mark, MuteMark::X, MuteMark::Y, 0, 0, MuteMark::Width, MuteMark::Height);
        return mark;
    };
    BITMAP* unmuted = markPixels();
    input->pressKey(KEY_M);
    tick(0.0);
    EXPECT_TRUE(app().sound.muted() && app().music.muted()) << "the music goes off with the sound";
    BITMAP* muted = markPixels();
    // The speaker's pale body, where the status row was plain before.
    EXPECT_EQ(getpixel(muted, 4, 3), makecol(0xcb, 0xdb, 0xfc));
    EXPECT_NE(getpixel(unmuted, 4, 3), makecol(0xcb, 0xdb, 0xfc));
    testwave::install(*world, 4); // a laser is heard only with invaders in the sky
    LaserTurret laser;
    laser.place(100);
    laser.update(0.3);
    EXPECT_EQ(heard(SoundEvent::LaserFired), 0u);
    input->pressKey(KEY_M);
    tick(0.0);
    EXPECT_FALSE(app().sound.muted() || app().music.muted());
    now() += 1.0;
    laser.update(0.5);
    EXPECT_EQ(heard(SoundEvent::LaserFired), 1u);
    destroy_bitmap(unmuted);
    destroy_bitmap(muted);
}

TEST_F(SoundEventsTest, FastForwardedVolleysStayWithinTheVoiceCap)
{
    for (int x = 10; x < 310; x += 25) {
        world->towers.push_back(world->createTower(0));
        world->towers.back()->place(x);
    }
    // Tab held: eight times the game time per frame, and each frame run as eight updates.
    for (int f = 0; f < 120; ++f) {
        now() += 1.0 / 60.0;
        for (int step = 0; step < 8; ++step)
            frame(1.0 / 60.0);
    }
    const auto starts = sounds->of(SoundEvent::LaserFired);
    ASSERT_GT(starts.size(), 10u);
    // 12 towers fire about 770 bolts in these two seconds of game time at 8x.
    EXPECT_LT(starts.size(), 60u);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (i > 0) {
            EXPECT_GE(starts[i].time - starts[i - 1].time, VoiceLimiter::MinimumGap - 1e-9);
        }
        const auto playing = std::count_if(starts.begin(), starts.begin() + i + 1, [&](const auto& s) {
            return s.time + testsound::ClipSeconds > starts[i].time;
        });
        EXPECT_LE(playing, VoiceLimiter::MaxCopies);
    }
}
