#include "checkpoint/CheckpointText.h"

#include <gtest/gtest.h>

namespace {

const std::string Head = "squibble-siege checkpoint 1\nWave=4\nHealth=7\nStartingHealth=20\n";

} // namespace

TEST(CheckpointText, WritesEveryFigureAndReadsItBackExactly)
{
    Checkpoint checkpoint;
    checkpoint.waveNumber = 14;
    checkpoint.health = 3;
    checkpoint.maxHealth = 20;
    checkpoint.money = 1234;
    checkpoint.towers = {{0, -3, {3, 1}}, {2, 250, {}}, {1, 100, {2, 0, 1}}};
    StatisticsTotals& totals = checkpoint.statistics;
    totals.wavesDefeated = 13;
    totals.moneyRefunded = 5000000000LL;
    totals.damageByKind = {1, 22, 333};
    totals.timePlayed = 1234.1 / 3.0;

    const std::string text = CheckpointText::write(checkpoint);
    EXPECT_EQ(text.rfind("squibble-siege checkpoint 1\nWave=14\n", 0), 0u) << text;
    const CheckpointText::Parsed parsed = CheckpointText::parse(text);
    ASSERT_TRUE(parsed.checkpoint) << parsed.problem;
    EXPECT_EQ(parsed.checkpoint->towers, checkpoint.towers);
    EXPECT_TRUE(parsed.checkpoint->statistics == totals);
    EXPECT_EQ(CheckpointText::write(*parsed.checkpoint), text);
    // Blank lines and CR line ends are read past.
    EXPECT_TRUE(CheckpointText::parse(Head + "\r\nMoney=0\r\n\n").checkpoint);
}

TEST(CheckpointText, RefusesWithTheReason)
{
    std::string manyTowers = Head + "Money=1\n";
    for (int i = 0; i <= CheckpointText::MaxTowers; ++i)
        manyTowers += "Tower=TeslaCoil " + std::to_string(i) + "\n";
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "not a checkpoint"},
        {"squibble-siege checkpoint 2\nWave=4\n", "unknown version '2'"},
        {"squibble-siege checkpoint 1\nWave=1001\n", "wave '1001'"},
        {Head, "no Money line"},
        {Head + "Money=-1\n", "money '-1'"},
        {Head + "Money=1000000001\n", "money '1000000001'"},
        {Head + "Money=12abc\n", "money '12abc'"},
        {Head + "Money=5\nMoney=5\n", "line 6: Money is given twice"},
        {Head + "Money=5\nHealth=21\n", "twice"},
        {"squibble-siege checkpoint 1\nWave=4\nHealth=21\nStartingHealth=20\nMoney=5\n", "health 21 is out of range"},
        {"squibble-siege checkpoint 1\nWave=4\nHealth=0\nStartingHealth=20\nMoney=5\n", "health 0 is out of range"},
        {Head + "Money=5\nColour=red\n", "unknown key Colour"},
        {Head + "Money=5\nno equals sign\n", "line 6: no '='"},
        {Head + "Money=5\nTower=Catapult 10\n", "unknown tower kind 'Catapult'"},
        {Head + "Money=5\nTower=LaserTurret 10 1 -1\n", "upgrade level '-1'"},
        {Head + "Money=5\nTower=LaserTurret 10 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n", "more than 16 upgrade paths"},
        {Head + "Money=5\nTimePlayed=nan\n", "TimePlayed 'nan'"},
        {Head + "Money=5\nTowersBuilt=-2\n", "TowersBuilt '-2'"},
        {manyTowers, "more than 320 towers"},
        {Head + "Money=5\n" + std::string(CheckpointText::MaxBytes, '\n'), "longer than"},
    };
    for (const auto& test : cases) {
        const CheckpointText::Parsed parsed = CheckpointText::parse(test.text);
        EXPECT_FALSE(parsed.checkpoint) << test.reason;
        EXPECT_NE(parsed.problem.find(test.reason), std::string::npos) << parsed.problem;
    }
}
