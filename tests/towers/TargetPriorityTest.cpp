#include "towers/TargetPriority.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"

using TargetPriorityTest = WorldFixture;

// Each rule's pick among the same invaders (centre x, y, health): ties to the earlier in the list
// (Nearest's to the later, as the coil always struck), the dead passed over, a reach honoured.
TEST_F(TargetPriorityTest, EachRulePicksByItsOwnMeasure)
{
    const double placed[][3] = {{100, 40, 30}, {60, 150, 10}, {140, 150, 10}, {100, 170, 0}, {10, 90, 2}, {200, 60, 30}};
    SquibbleWave& wave = testwave::install(*world, 6);
    for (int i = 0; i < 6; ++i) {
        testwave::centreAt(testwave::at(wave, i), placed[i][0], placed[i][1]);
        testwave::at(wave, i).health = static_cast<int>(placed[i][2]);
    }
    const TargetPriority::Reach near{100, 150, 45}, nowhere{100, -500, 10};
    const struct { TargetPriority::Rule rule; const TargetPriority::Reach* reach; int rowDirection; int expected; } cases[] = {
        {TargetPriority::First, nullptr, 1, 2},  {TargetPriority::First, nullptr, -1, 1},
        {TargetPriority::First, nullptr, 0, 1},  {TargetPriority::Strongest, nullptr, 0, 0},
        {TargetPriority::Weakest, nullptr, 0, 4}, {TargetPriority::Weakest, &near, 0, 1},
        {TargetPriority::Nearest, &near, 0, 3},  {TargetPriority::First, &near, 1, 2},
        {TargetPriority::First, &nowhere, 1, -1}, {TargetPriority::Random, &nowhere, 1, -1},
    };
    for (const auto& test : cases) {
        const Invader* picked = TargetPriority::pick(test.rule, wave.invaders, test.reach, test.rowDirection);
        EXPECT_EQ(picked, test.expected < 0 ? nullptr : &testwave::at(wave, test.expected))
            << TargetPriority::nameOf(test.rule) << " direction " << test.rowDirection;
    }
}

// Random is the launchers' old pick, one draw modulo the whole list; the other rules draw nothing.
TEST_F(TargetPriorityTest, RandomDrawsOnceAsTheLaunchersAlwaysDid)
{
    SquibbleWave& wave = testwave::install(*world, 5);
    testwave::at(wave, 1).health = 0;
    for (unsigned seed : {1u, 7u, 99u}) {
        std::srand(seed);
        const int expected = std::rand() % 5, next = std::rand();
        std::srand(seed);
        TargetPriority::pick(TargetPriority::Weakest, wave.invaders, nullptr, 1);
        EXPECT_EQ(TargetPriority::pick(TargetPriority::Random, wave.invaders, nullptr, 1), &testwave::at(wave, expected));
        EXPECT_EQ(std::rand(), next) << "seed " << seed;
    }
}
