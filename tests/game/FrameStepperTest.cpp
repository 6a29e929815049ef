#include "game/FrameStepper.h"

#include "control/GameSpeed.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "projectiles/Projectile.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"
#include "towers/LaserTurret.h"

#include <cmath>
#include <limits>

namespace {

constexpr double Sixtieth = 1.0 / 60.0;
constexpr double ShippedFrame = 0.016667;

class FrameStepperTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        stepper = std::make_unique<FrameStepper>(*world);
    }

    // One frame of the main loop after its wait: the frame's mouse sample, then the steps.
    int steppedFrame(double dt, bool tab)
    {
        app().sampleMouse();
        return stepper->advance(dt, GameSpeed::of(tab, 1));
    }

    std::unique_ptr<FrameStepper> stepper;
};

// A turret at x 100 (its bolts leave at x 108, y 188, 200 px/s) under a lone invader whose hit
// circle (radius 8) is centred at (108, 121), the block standing still. Runs frames of 1/60 s
// with Tab held, either through the stepper or as one update of 8/60 s; returns the invader's
// health after a second of real time.
int healthAfterTabbedSecond(World& world, FrameStepper* stepper)
{
    world.towers.clear();
    world.projectiles.clear();
    world.waveTimer = -1.0;
    SquibbleWave& wave = testwave::install(world, 1);
    wave.speed = 0.0;
    Invader& invader = testwave::at(wave, 0);
    testwave::centreAt(invader, 108, 121);
    auto tower = std::make_unique<LaserTurret>();
    tower->place(100);
    world.towers.push_back(std::move(tower));
    // Once the invader is gone its wave ends and is deleted.
    const auto standing = [&world, &invader] { return world.currentWave && world.currentWave->contains(&invader); };
    for (int frame = 0; frame < 60 && standing(); ++frame) {
        if (stepper)
            stepper->advance(Sixtieth, GameSpeed::FastForward);
        else
            world.update(GameSpeed::FastForward * Sixtieth);
    }
    return standing() ? invader.health : 0;
}

} // namespace

TEST(FrameStepper, ShortFramesStayWholeAndLongOnesSplitIntoSixtieths)
{
    EXPECT_EQ(FrameStepper::stepsFor(0.0), 1);
    EXPECT_EQ(FrameStepper::stepsFor(Sixtieth), 1);
    EXPECT_EQ(FrameStepper::stepsFor(ShippedFrame), 1);
    EXPECT_EQ(FrameStepper::stepsFor(0.0171), 2) << "2.6% over a sixtieth";
    EXPECT_EQ(FrameStepper::stepsFor(8 * ShippedFrame), 8);
    EXPECT_EQ(FrameStepper::stepsFor(8 * 0.1), 48) << "Tab at 10 frames per second";
    EXPECT_EQ(FrameStepper::stepsFor(-1.0), 1);
    EXPECT_EQ(FrameStepper::stepsFor(std::nan("")), 1);
    EXPECT_EQ(FrameStepper::stepsFor(3600.0), FrameStepper::MostStepsPerFrame);
    EXPECT_EQ(FrameStepper::stepsFor(std::numeric_limits<double>::infinity()), FrameStepper::MostStepsPerFrame);
}

TEST_F(FrameStepperTest, AFrameOfASixtiethIsOneUpdateWithTheFramesOwnTime)
{
    int updates = 0;
    stepper->afterStep = [&updates] { ++updates; };
    const double cloudX = world->clouds.front().x;
    EXPECT_EQ(steppedFrame(ShippedFrame, false), 1);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(world->waveTimer, 5.0 - ShippedFrame) << "not split, not rounded";
    EXPECT_EQ(world->clouds.front().x, cloudX - ShippedFrame * 0.5);

    EXPECT_EQ(steppedFrame(ShippedFrame, true), 8);
    EXPECT_NEAR(world->waveTimer, 5.0 - 9 * ShippedFrame, 1e-12);
    EXPECT_EQ(steppedFrame(0.25, false), 15) << "a stall of a quarter second";
    EXPECT_NEAR(world->waveTimer, 5.0 - 9 * ShippedFrame - 0.25, 1e-12);
    EXPECT_EQ(updates, 24);
}

TEST_F(FrameStepperTest, ABoltFiredAtAnInvaderUnderTabHitsIt)
{
    // One update per frame carries the bolt 27 pixels at a time, from 134.7 to 108: past the
    // invader's 16-pixel circle without touching it.
    EXPECT_EQ(healthAfterTabbedSecond(*world, nullptr), 10);
    EXPECT_LT(healthAfterTabbedSecond(*world, stepper.get()), 10);
}

TEST_F(FrameStepperTest, AClickInAFastForwardedFrameActsOnce)
{
    world->money = 200;
    clickAt(309, 229); // the laser's build button
    clickAt(100, 150); // builds one at x 92
    clickAt(100, 150, 2); // stops placing
    clickAt(95, 190); // selects it
    input->pointAt(289, 229); // its first upgrade path: 20, then 30, then 40
    input->buttons = 1;
    steppedFrame(ShippedFrame, true);
    input->buttons = 0;
    EXPECT_EQ(steppedFrame(ShippedFrame, true), 8);
    EXPECT_EQ(world->towers.front()->upgradeLevels[0], 1);
    EXPECT_EQ(world->money, 130);
}

TEST_F(FrameStepperTest, NoStepRunsAfterTheOneThatStopsTheGame)
{
    world->mode = QuitDialog;
    input->pointAt(150, 112); // "Yes"
    input->buttons = 1;
    steppedFrame(ShippedFrame, true);
    input->buttons = 0;
    EXPECT_EQ(steppedFrame(ShippedFrame, true), 1);
    EXPECT_FALSE(world->running);
}

TEST_F(FrameStepperTest, SpeedStepsCoverTheirShareOfGameTimeInSixtieths)
{
    EXPECT_EQ(GameSpeed::next(3), 1) << "no step of its own";
    EXPECT_EQ(GameSpeed::of(true, 2), GameSpeed::FastForward) << "Tab wins";
    EXPECT_EQ(GameSpeed::of(false, 5), 1) << "no step of its own";
    EXPECT_EQ(stepper->advance(ShippedFrame, 4), 4);
    EXPECT_NEAR(world->waveTimer, 5.0 - 4 * ShippedFrame, 1e-12);
}
