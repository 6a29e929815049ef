#include "invaders/Wave.h"

#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"
#include "support/PixelProbe.h"
#include "support/WorldFixture.h"

#include <allegro.h>

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

TEST_F(WaveTest, DrawShowsEveryInvader)
{
    SquibbleWave wave(2);
    wave.invaders.front()->x = 10;
    wave.invaders.front()->y = 20;
    wave.invaders.back()->x = 200;
    wave.invaders.back()->y = 100;
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    wave.draw(target);
    const pixelprobe::Box box = pixelprobe::paintedBox(target, makecol(0, 0, 0));
    EXPECT_EQ(10, box.left);
    EXPECT_EQ(20, box.top);
    EXPECT_EQ(200 + testcontent::InvaderFrameWidth - 1, box.right);
    EXPECT_EQ(100 + testcontent::InvaderFrameHeight - 1, box.bottom);
    destroy_bitmap(target);
}
