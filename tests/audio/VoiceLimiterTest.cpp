#include "audio/VoiceLimiter.h"

#include <gtest/gtest.h>

TEST(VoiceLimiter, KeepsTheGapBetweenStartsAndAtMostThreeCopiesUntilOneEnds)
{
    VoiceLimiter limiter;
    EXPECT_TRUE(limiter.admit(4, 0.0, 1.0));
    EXPECT_FALSE(limiter.admit(4, VoiceLimiter::MinimumGap * 0.9, 1.0));
    EXPECT_TRUE(limiter.admit(1, 0.0, 1.0)); // another sound counts on its own
    EXPECT_TRUE(limiter.admit(4, 0.1, 1.0));
    EXPECT_TRUE(limiter.admit(4, 0.2, 1.0));
    EXPECT_FALSE(limiter.admit(4, 0.99, 1.0)); // three copies play
    EXPECT_TRUE(limiter.admit(4, 1.0, 1.0));   // the first has just ended
    limiter.clear();
    EXPECT_TRUE(limiter.admit(4, 1.01, 1.0));
    EXPECT_TRUE(limiter.admit(4, 0.5, 1.0)); // a clock that went back does not silence it for good
}
