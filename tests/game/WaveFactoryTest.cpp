#include "game/WaveFactory.h"

#include "game/WorldKindEvents.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "support/WorldFixture.h"

class WaveFactoryTest : public WorldFixture {};

// Classic's wave is all Squibbles whatever the make-up says; Mixed's follows the make-up, and the
// kinds it destroys are paid through the World's books, each kind counted.
TEST_F(WaveFactoryTest, EachModeSendsItsBlockAndMixedKindsArePaidAndCounted)
{
    for (const auto& [key, value] : {std::pair{"Invader2.FromWave", "2"}, {"Invader2.Share", "50"},
                                     {"Invader2.Rows", "front"}, {"Invader2.Value", "7"}})
        app().config.set(key, value);
    app().invaderTypes[InvaderKinds::ArmouredKind].reward = 7;
    app().invaderTypes[InvaderKinds::ArmouredKind].health = 1;
    world->waveNumber = 2;
    WorldKindEvents events(*world);
    for (GameMode mode : {GameMode::Classic, GameMode::Mixed}) {
        world->gameMode = mode;
        const std::unique_ptr<Wave> wave = WaveFactory::create(*world, events);
        int armoured = 0;
        for (const auto& invader : wave->invaders)
            armoured += invader->kind == InvaderKinds::ArmouredKind;
        EXPECT_EQ(wave->invaders.size(), 18u);
        EXPECT_EQ(armoured, mode == GameMode::Mixed ? 9 : 0) << gameModeName(mode);
    }
    const int money = world->money;
    const std::unique_ptr<Wave> wave = WaveFactory::create(*world, events);
    wave->invaders.back()->takeDamage(5);
    EXPECT_EQ(world->money, money + world->difficulty.reward(7));
    EXPECT_EQ(world->statistics.totals().destroyedByKind[InvaderKinds::ArmouredKind], 1);
    EXPECT_EQ(world->statistics.totals().invadersDestroyed, 1);
}
