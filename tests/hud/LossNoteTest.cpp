#include "hud/LossNote.h"

#include <gtest/gtest.h>

#include <vector>

// Updates {health after it, seconds, a wave marching} and the loss shown then: a row landing over a
// few frames is one figure, a later landing starts a new one, a resumed run's health is no loss.
TEST(LossNote, SumsALandingAndShowsItForAMoment)
{
    struct Step {
        int health;
        double dt;
        bool wave;
        int shown;
    };
    const std::vector<Step> steps = {
        {20, 0.1, true, 0},  {19, 0.1, true, 1}, {16, 0.1, true, 4}, {16, 1.0, true, 4},
        {16, 0.5, true, 0},  {15, 0.1, true, 1}, {15, 0.1, false, 1}, {15, 2.0, false, 0},
        {10, 0.1, false, 0}, {9, 0.1, true, 1},
    };
    LossNote note;
    note.reset(20);
    EXPECT_EQ(note.shown(), 0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        note.follow(steps[i].health, steps[i].dt, steps[i].wave);
        EXPECT_EQ(note.shown(), steps[i].shown) << "step " << i;
    }
}
