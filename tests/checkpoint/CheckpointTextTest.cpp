#include "checkpoint/CheckpointText.h"

#include <gtest/gtest.h>

// Written checkpoints reading back byte for byte are the round-trip test's, in WorldCheckpointTest.
TEST(CheckpointText, RefusesWithTheReason)
{
    const std::string head = "squibble-siege checkpoint 1\nWave=4\nHealth=7\nStartingHealth=20\n";
    std::string manyTowers = head + "Money=1\n";
    for (int i = 0; i <= CheckpointText::MaxTowers; ++i)
        manyTowers += "Tower=TeslaCoil " + std::to_string(i) + "\n";
    const std::pair<std::string, const char*> cases[] = {
        {"", "not a checkpoint"},
        {"squibble-siege checkpoint 2\nWave=4\n", "unknown version '2'"},
        {"squibble-siege checkpoint 1\nWave=1001\n", "wave '1001'"},
        {head, "no Money line"},
        {head + "Money=-1\n", "money '-1'"},
        {head + "Money=1000000001\n", "money '1000000001'"},
        {head + "Money=12abc\n", "money '12abc'"},
        {head + "Money=5\nMoney=5\n", "line 6: Money is given twice"},
        {"squibble-siege checkpoint 1\nWave=4\nHealth=21\nStartingHealth=20\nMoney=5\n", "health 21 is out of range"},
        {"squibble-siege checkpoint 1\nWave=4\nHealth=0\nStartingHealth=20\nMoney=5\n", "health 0 is out of range"},
        {head + "Money=5\nColour=red\n", "unknown key Colour"},
        {head + "Money=5\nDifficulty=Medium\n", "difficulty 'Medium' is not Easy, Normal or Hard"},
        {head + "Money=5\nDifficulty=Hard\nDifficulty=Easy\n", "Difficulty is given twice"},
        {head + "Money=5\nno equals sign\n", "line 6: no '='"},
        {head + "Money=5\nTower=Catapult 10\n", "unknown tower kind 'Catapult'"},
        {head + "Money=5\nTower=LaserTurret 10 1 -1\n", "upgrade level '-1'"},
        {head + "Money=5\nTower=LaserTurret 10 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n", "more than 16 upgrade paths"},
        {head + "Money=5\nTimePlayed=nan\n", "TimePlayed 'nan'"},
        {head + "Money=5\nTowersBuilt=-2\n", "TowersBuilt '-2'"},
        {manyTowers, "more than 320 towers"},
        {head + "Money=5\n" + std::string(CheckpointText::MaxBytes, '\n'), "longer than"},
    };
    for (const auto& [text, reason] : cases) {
        const CheckpointText::Parsed parsed = CheckpointText::parse(text);
        EXPECT_FALSE(parsed.checkpoint) << reason;
        EXPECT_NE(parsed.problem.find(reason), std::string::npos) << parsed.problem;
    }
}
