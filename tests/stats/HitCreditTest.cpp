#include "stats/HitCredit.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"

#include <memory>

namespace {

using HitCreditTest = WorldFixture;

} // namespace

// Only the health an invader really loses counts: a last hit down to 0, nothing on the dead.
TEST_F(HitCreditTest, BooksTheHealthLostForTheTowerAndItsKind)
{
    struct Hit {
        int healthBefore;
        int amount;
        long long counted;
        int destroyed;
    };
    const Hit hits[] = {{10, 3, 3, 0}, {10, 10, 10, 1}, {4, 15, 4, 1}, {0, 5, 0, 0}, {-1, 5, 0, 0}, {10, -3, 0, 0}};
    long long kindTotal = 0;
    for (const Hit& hit : hits) {
        SquibbleWave& wave = testwave::install(*world, 1);
        Invader& invader = testwave::at(wave, 0);
        invader.health = hit.healthBefore;
        auto tally = std::make_shared<TowerTally>();
        HitCredit(1, tally, &world->statistics).damage(invader, hit.amount);
        kindTotal += hit.counted;
        EXPECT_EQ(tally->damage, hit.counted) << hit.healthBefore << " - " << hit.amount;
        EXPECT_EQ(tally->invadersDestroyed, hit.destroyed) << hit.healthBefore << " - " << hit.amount;
        EXPECT_EQ(world->statistics.totals().damageByKind[1], kindTotal);
    }
    // Credited to nobody: the damage is done all the same.
    SquibbleWave& wave = testwave::install(*world, 1);
    HitCredit().damage(testwave::at(wave, 0), 4);
    EXPECT_EQ(testwave::at(wave, 0).health, testwave::at(wave, 0).maxHealth - 4);
    EXPECT_EQ(world->statistics.totals().damageByKind[1], kindTotal);
    // A shot that lands after game over finishes its invader but no longer counts.
    world->endGame();
    const StatisticsTotals closed = world->statistics.totals();
    HitCredit(1, std::make_shared<TowerTally>(), &world->statistics).damage(testwave::at(wave, 0), 100);
    EXPECT_TRUE(world->statistics.totals() == closed);
}
