#include "game/WorldRenderer.h"

#include "support/WorldFixture.h"

#include <allegro.h>

// The status row's speed is the one the game runs at: Tab held runs it at 8x whatever the step.
TEST_F(WorldFixture, TheViewShowsTheSpeedInEffect)
{
    const WorldRenderer renderer(*world);
    const struct {
        int step;
        bool tabHeld;
        int shown;
    } cases[] = {{1, false, 1}, {2, false, 2}, {1, true, 8}, {4, true, 8}};
    for (const auto& c : cases) {
        for (int press = 0; press < 4 && world->speedStep != c.step; ++press) {
            input->pressKey(KEY_F);
            frame(0.0);
        }
        input->held.clear();
        if (c.tabHeld)
            input->held.insert(KEY_TAB);
        EXPECT_EQ(renderer.view().speed, c.shown) << "step " << c.step << ", Tab " << c.tabHeld;
    }
}
