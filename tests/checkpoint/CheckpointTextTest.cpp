#include "checkpoint/CheckpointText.h"

#include "stats/RunLimits.h"

#include <gtest/gtest.h>

#include <climits>

// Written checkpoints reading back byte for byte are the round-trip test's, in WorldCheckpointTest.
TEST(CheckpointText, RefusesWithTheReason)
{
    const std::string head = "squibble-siege checkpoint 1\nWave=4\nHealth=7\nStartingHealth=20\n";
    std::string manyTowers = head + "Money=1\n";
    for (int i = 0; i <= CheckpointText::MaxTowers; ++i)
        manyTowers += "Tower=TeslaCoil " + std::to_string(i) + "\n";
    std::string manyPaths;
    for (int i = 0; i < CheckpointText::MaxPathsPerTower; ++i)
        manyPaths += " 0";
    const std::string v2 = "squibble-siege checkpoint 2\nWave=4\nHealth=7\nStartingHealth=20\nMoney=1\n";
    std::string manyKinds;
    for (int i = 0; i <= CheckpointText::MaxSlots; ++i)
        manyKinds += "Mite ";
    const std::string v3 = "squibble-siege checkpoint 3\nWave=4\nHealth=7\nStartingHealth=20\nMoney=1\n";
    const std::string v4 = "squibble-siege checkpoint 4\nWave=4\nHealth=7\nStartingHealth=20\nMoney=1\n";
    const std::string v5 = "squibble-siege checkpoint 5\nWave=4\nHealth=7\nStartingHealth=20\nMoney=1\n";
    const std::pair<std::string, const char*> cases[] = {
        {"", "not a checkpoint"},
        {"squibble-siege checkpoint 6\nWave=4\n", "unknown version '6'"},
        {v4 + "Replay=run-1.sqreplay\n", "unknown key Replay"},
        {v5 + "Replay=../../.bashrc\n", "is not a replay's file name"},
        {v5 + "Replay=.hidden\n", "is not a replay's file name"},
        {v5 + "Replay=run\x1b[2J\n", "replay 'run\\x1b[2J'"},
        {v3 + "Mode=Mixed\n", "unknown key Mode"},
        {v4 + "Mode=Arcade\n", "mode 'Arcade' is not Classic or Mixed"},
        {v4 + "Mode=Mixed\n", "a Mixed run without a Kinds line"},
        {v4 + "Mode=Mixed\nKinds=Squibble Dragon\n", "unknown invader kind 'Dragon'"},
        {v4 + "Kinds=" + manyKinds + "\n", "more than 2014 kinds"},
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
        {head + "Money=5\nTower=LaserTurret 10" + manyPaths + " 0\n", "more than 64 upgrade paths"},
        {v2 + "Tower=LaserTurret 10\n", "invaders destroyed ''"},
        {v2 + "Tower=LaserTurret 10 -1 0\n", "invaders destroyed '-1'"},
        {v2 + "Tower=LaserTurret 10 0 1000000000000000001\n", "damage dealt"},
        {v3 + "Tower=MissileTurret 10 0 0 Sideways 0 0 0\n", "aim 'Sideways' is not Random"},
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

// Older versions read with each tower on its kind's own rule ("Own"); the aim is kept since.
TEST(CheckpointText, ReadsTheFirstVersionWithoutTalliesAndKeepsEachTowersTalliesAndAimSince)
{
    std::string paths;
    for (int i = 0; i < CheckpointText::MaxPathsPerTower; ++i)
        paths += " " + std::to_string(i % 3);
    const CheckpointText::Parsed first = CheckpointText::parse(
        "squibble-siege checkpoint 1\nWave=4\nHealth=7\nStartingHealth=20\nMoney=5\nTower=TeslaCoil 10" + paths +
        "\n");
    ASSERT_TRUE(first.checkpoint) << first.problem;
    Checkpoint checkpoint = *first.checkpoint;
    ASSERT_EQ(checkpoint.towers.size(), 1u);
    EXPECT_EQ(std::pair(checkpoint.towers[0].tally.invadersDestroyed, checkpoint.towers[0].tally.damage), std::pair(0, 0LL));
    EXPECT_EQ(checkpoint.towers[0].levels.size(), static_cast<std::size_t>(CheckpointText::MaxPathsPerTower));
    EXPECT_FALSE(checkpoint.towers[0].aim);
    checkpoint.towers[0].tally = {3400, 12};
    std::string text = CheckpointText::write(checkpoint);
    EXPECT_EQ(text.rfind("squibble-siege checkpoint 5\n", 0), 0u) << text;
    EXPECT_NE(text.find("Tower=TeslaCoil 10 12 3400 Own" + paths + "\n"), std::string::npos) << text;
    checkpoint.towers.push_back(checkpoint.towers[0]);
    checkpoint.towers[1].aim = TargetPriority::Weakest;
    checkpoint.replay = "run-20261208-061500-1.sqreplay";
    text = CheckpointText::write(checkpoint);
    const CheckpointText::Parsed second = CheckpointText::parse(text);
    ASSERT_TRUE(second.checkpoint) << second.problem;
    EXPECT_TRUE(second.checkpoint->towers == checkpoint.towers && second.checkpoint->replay == checkpoint.replay);
    const auto v2 = CheckpointText::parse("squibble-siege checkpoint 2\nWave=4\nHealth=7\nStartingHealth=20\nMoney=5\nTower=TeslaCoil 10 3 4 1\n");
    EXPECT_TRUE(v2.checkpoint && v2.checkpoint->towers[0].levels == std::vector<int>{1} && !v2.checkpoint->towers[0].aim);
}

// A Mixed run keeps its mode and the kind of every slot of its coming block, the boss's empty
// second cell included; the versions before know no mode and read as Classic.
TEST(CheckpointText, KeepsTheModeAndTheComingBlocksKinds)
{
    Checkpoint mixed;
    mixed.health = mixed.maxHealth = 20;
    mixed.mode = GameMode::Mixed;
    mixed.kinds = {0, 5, -1, 1, 2, 3, 4};
    mixed.statistics.destroyedByKind = {9, 8, 7, 6, 5, 4};
    const std::string text = CheckpointText::write(mixed);
    EXPECT_NE(text.find("Kinds=Squibble Boss - Armoured Mite Shielded Splitter\n"), std::string::npos) << text;
    const CheckpointText::Parsed back = CheckpointText::parse(text);
    ASSERT_TRUE(back.checkpoint) << back.problem;
    EXPECT_EQ(back.checkpoint->mode, GameMode::Mixed);
    EXPECT_EQ(back.checkpoint->kinds, mixed.kinds);
    EXPECT_TRUE(back.checkpoint->statistics == mixed.statistics);
    const CheckpointText::Parsed old =
        CheckpointText::parse("squibble-siege checkpoint 3\nWave=4\nHealth=7\nStartingHealth=20\nMoney=1\n");
    ASSERT_TRUE(old.checkpoint) << old.problem;
    EXPECT_EQ(old.checkpoint->mode, GameMode::Classic);
}

// Whatever the game adds to a run at the limits, its checkpoint is still one the game reads.
TEST(CheckpointText, TheGameAddsUpToWhatACheckpointAcceptsAndNoFurther)
{
    const std::tuple<int, long long, int> payments[] = {
        {5, 3, 8}, {999999999, 240000000, 1000000000}, {INT_MAX, INT_MAX, 1000000000}, {4, -9, 0}};
    for (const auto& [money, amount, after] : payments)
        EXPECT_EQ(RunLimits::paid(money, amount), after) << money << " + " << amount;

    StatisticsTotals full;
    full.invadersDestroyed = full.wavesDefeated = full.towersBuilt = RunLimits::MaxAmount;
    full.moneyFromKills = full.damageByKind[1] = RunLimits::MaxTotal - 1;
    full.timePlayed = RunLimits::MaxSeconds - 0.5;
    GameStatistics statistics;
    statistics.restore(full);
    statistics.invaderDestroyed(240000000);
    statistics.waveDefeated();
    statistics.towerBuilt(INT_MAX);
    statistics.damageDealt(1, 7);
    statistics.timePassed(1.0);
    TowerTally tally{RunLimits::MaxTotal, static_cast<int>(RunLimits::MaxAmount)};
    RunLimits::add(tally.damage, 1);
    RunLimits::add(tally.invadersDestroyed, 1);

    Checkpoint checkpoint;
    checkpoint.health = checkpoint.maxHealth = 20;
    checkpoint.money = RunLimits::paid(static_cast<int>(RunLimits::MaxAmount), 1);
    checkpoint.towers.push_back({0, 10, {1, 0}, tally, {}});
    checkpoint.statistics = statistics.totals();
    const CheckpointText::Parsed parsed = CheckpointText::parse(CheckpointText::write(checkpoint));
    ASSERT_TRUE(parsed.checkpoint) << parsed.problem;
    EXPECT_EQ(parsed.checkpoint->statistics.moneyFromKills, RunLimits::MaxTotal);
    EXPECT_EQ(parsed.checkpoint->statistics.timePlayed, RunLimits::MaxSeconds);
}
