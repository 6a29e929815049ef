#include "invaders/Wave.h"

#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "support/WorldFixture.h"

#include <vector>

class WaveTest : public WorldFixture {};

TEST_F(WaveTest, UpdateDeletesOnlyTheDeadAndKeepsTheOrder)
{
    SquibbleWave wave(5);
    std::vector<Invader*> all;
    for (const auto& invader : wave.invaders)
        all.push_back(invader.get());
    all[1]->health = 0;
    all[3]->health = -1;
    wave.Wave::update(0.0);
    ASSERT_EQ(3u, wave.invaders.size());
    auto it = wave.invaders.begin();
    EXPECT_EQ(all[0], (it++)->get());
    EXPECT_EQ(all[2], (it++)->get());
    EXPECT_EQ(all[4], (it++)->get());
    EXPECT_TRUE(wave.contains(all[2]));
    EXPECT_FALSE(wave.contains(all[1]));
    EXPECT_FALSE(wave.contains(nullptr));
}
