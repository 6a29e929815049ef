#include "invaders/InvaderKinds.h"

#include "invaders/Armoured.h"
#include "invaders/Boss.h"
#include "invaders/KindEvents.h"
#include "invaders/Shielded.h"
#include "invaders/Splitter.h"
#include "invaders/SquibbleWave.h"
#include "support/WorldFixture.h"

#include <vector>

namespace {

// Keeps what the kinds report instead of paying it.
struct Reports : KindEvents {
    void destroyed(const Invader&, int kind, int reward) override { paid.push_back({kind, reward}); }
    const BitmapFont* debugFont() const override { return nullptr; }
    std::vector<std::pair<int, int>> paid;
};

class InvaderKindsTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        for (int kind = 1; kind < InvaderKinds::Count; ++kind) {
            InvaderType& type = app().invaderTypes[kind];
            type.health = 20;
            type.healthIncrease = 0;
            type.reward = 10 * kind;
        }
        app().invaderTypes[InvaderKinds::ArmouredKind].armour = 2;
        app().invaderTypes[InvaderKinds::ShieldedKind].shield = 50;
        app().invaderTypes[InvaderKinds::ShieldedKind].shieldReturn = 1.0;
        app().invaderTypes[InvaderKinds::BossKind].landingCost = 5;
        context = {app().invaderTypes.data(), 1, world->difficulty, &reports};
    }

    Reports reports;
    KindContext context;
};

} // namespace

TEST(InvaderKinds, NamesReadBackAndArmourLetsAtLeastOneThrough)
{
    for (int kind = 0; kind < InvaderKinds::Count; ++kind)
        EXPECT_EQ(InvaderKinds::named(InvaderKinds::nameOf(kind)), kind);
    EXPECT_EQ(InvaderKinds::named("Dragon"), -1);
    const int hits[][3] = {{3, 2, 1}, {8, 2, 6}, {1, 5, 1}, {0, 2, 1}};
    for (const auto& [amount, armour, through] : hits)
        EXPECT_EQ(Armoured::through(amount, armour), through) << amount << " against " << armour;
}

TEST_F(InvaderKindsTest, ArmourAndShieldTakeTheirShareAndTheShieldComesBackWhenLeftAlone)
{
    Armoured armoured(context);
    armoured.takeDamage(3);
    EXPECT_EQ(armoured.health, 19) << "a laser's 3 loses 2 to the armour";
    armoured.takeDamage(8);
    EXPECT_EQ(armoured.health, 13);

    Shielded shielded(context);
    EXPECT_EQ(shielded.shield, 10);
    shielded.takeDamage(4);
    EXPECT_EQ(shielded.health, 20) << "the shield soaks it";
    shielded.update(0.5);
    shielded.takeDamage(8);
    EXPECT_EQ(std::pair(shielded.health, shielded.shield), std::pair(18, 0));
    shielded.update(0.9);
    EXPECT_EQ(shielded.shield, 0) << "hit 0.9 s ago: not back yet";
    shielded.update(0.2);
    EXPECT_EQ(shielded.shield, 10);
}

TEST_F(InvaderKindsTest, ASplitterLeavesTwoMitesInItsBlockAndEveryKindIsPaidOnce)
{
    std::vector<std::unique_ptr<Invader>> formed;
    formed.push_back(std::make_unique<Splitter>(context));
    formed.back()->x = 100;
    formed.back()->y = 40;
    SquibbleWave block(std::move(formed));
    Invader& splitter = *block.invaders.front();
    splitter.takeDamage(25);
    splitter.takeDamage(25);
    ASSERT_EQ(reports.paid.size(), 1u);
    EXPECT_EQ(reports.paid[0], std::pair(InvaderKinds::SplitterKind, 40));
    EXPECT_EQ(block.invaders.size(), 1u) << "the mites join at the end of the update";
    block.update(0.0);
    ASSERT_EQ(block.invaders.size(), 2u);
    for (const auto& mite : block.invaders) {
        EXPECT_EQ(mite->kind, InvaderKinds::MiteKind);
        EXPECT_EQ(mite->wave, &block);
        EXPECT_NEAR(mite->x, 100, 8);
    }
}

TEST_F(InvaderKindsTest, ABossThatLandsCostsItsLandingAndShowsIt)
{
    std::vector<std::unique_ptr<Invader>> formed;
    formed.push_back(std::make_unique<Boss>(context));
    formed.back()->y = 189.9;
    SquibbleWave block(std::move(formed));
    const int before = world->health;
    block.update(0.1);
    EXPECT_EQ(world->health, before - 5);
    EXPECT_TRUE(block.invaders.empty());
    EXPECT_TRUE(reports.paid.empty()) << "a landing pays nothing";
}
