#include "towers/TargetPriority.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"

#include <cstdlib>

namespace {

using Rule = TargetPriority::Rule;

// Invaders at known centres and health, in list order.
struct Placed {
    double cx;
    double cy;
    int health;
};

class TargetPriorityTest : public WorldFixture {
protected:
    const std::list<std::unique_ptr<Invader>>& waveOf(std::initializer_list<Placed> placed)
    {
        SquibbleWave& wave = testwave::install(*world, static_cast<int>(placed.size()));
        int i = 0;
        for (const Placed& p : placed) {
            Invader& invader = testwave::at(wave, i++);
            testwave::centreAt(invader, p.cx, p.cy);
            invader.health = p.health;
        }
        return wave.invaders;
    }
    int indexOf(const Invader* picked) const
    {
        int i = 0;
        for (const auto& invader : world->currentWave->invaders) {
            if (invader.get() == picked)
                return i;
            ++i;
        }
        return -1;
    }
};

} // namespace

// Each rule's pick among the same invaders, ties going to the earlier in the list (Nearest's to the
// later, as the coil always struck), dead invaders passed over, a reach honoured.
TEST_F(TargetPriorityTest, EachRulePicksByItsOwnMeasure)
{
    // 0: high and strong; 1 and 2: the lowest row, 2 further right; 3: dead and lowest of all;
    // 4: weakest, far left; 5: as strong as 0.
    const auto& invaders = waveOf({{100, 40, 30}, {60, 150, 10}, {140, 150, 10}, {100, 170, 0}, {10, 90, 2},
                                   {200, 60, 30}});
    const TargetPriority::Reach near{100, 150, 45};
    const struct { Rule rule; const TargetPriority::Reach* reach; int rowDirection; int expected; } cases[] = {
        {TargetPriority::First, nullptr, 1, 2},     // the lowest living row, the right end when marching right
        {TargetPriority::First, nullptr, -1, 1},    // its left end marching left
        {TargetPriority::First, nullptr, 0, 1},     // the earlier in the list when the way is unknown
        {TargetPriority::Strongest, nullptr, 0, 0}, // 0 and 5 tie: the earlier
        {TargetPriority::Weakest, nullptr, 0, 4},   // the dead one does not count as weakest
        {TargetPriority::Weakest, &near, 0, 1},     // 4 is out of reach
        {TargetPriority::Nearest, &near, 0, 3},     // the coil's rule takes the dead as it always did
        {TargetPriority::First, &near, 1, 2},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(TargetPriority::nameOf(test.rule)) + " direction " + std::to_string(test.rowDirection));
        EXPECT_EQ(indexOf(TargetPriority::pick(test.rule, invaders, test.reach, test.rowDirection)), test.expected);
    }
    const TargetPriority::Reach nowhere{100, -500, 10};
    for (Rule rule : {TargetPriority::Random, TargetPriority::First, TargetPriority::Weakest, TargetPriority::Nearest})
        EXPECT_EQ(TargetPriority::pick(rule, invaders, &nowhere, 1), nullptr) << TargetPriority::nameOf(rule);
}

// Random is the launchers' old pick: one draw of the C library's generator, modulo the whole list.
TEST_F(TargetPriorityTest, RandomDrawsOnceAsTheLaunchersAlwaysDid)
{
    const auto& invaders = waveOf({{10, 10, 1}, {20, 10, 0}, {30, 10, 1}, {40, 10, 1}, {50, 10, 1}});
    for (unsigned seed : {1u, 7u, 99u}) {
        std::srand(seed);
        const int expected = std::rand() % 5;
        const int after = std::rand();
        std::srand(seed);
        EXPECT_EQ(indexOf(TargetPriority::pick(TargetPriority::Random, invaders, nullptr, 1)), expected);
        EXPECT_EQ(std::rand(), after) << "seed " << seed;
    }
    std::srand(3);
    const int untouched = std::rand();
    std::srand(3);
    TargetPriority::pick(TargetPriority::First, invaders, nullptr, 1);
    EXPECT_EQ(std::rand(), untouched) << "First drew a random number";
}

TEST(TargetPriorityNames, ReadBackAndRefuseOthers)
{
    for (Rule rule : {TargetPriority::Random, TargetPriority::First, TargetPriority::Strongest, TargetPriority::Weakest,
                      TargetPriority::Nearest})
        EXPECT_EQ(TargetPriority::named(TargetPriority::nameOf(rule)), rule);
    for (const char* name : {"", "first", "Last", "Own"})
        EXPECT_FALSE(TargetPriority::named(name)) << name;
}
