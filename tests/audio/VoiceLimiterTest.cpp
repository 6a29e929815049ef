#include "audio/VoiceLimiter.h"

#include <gtest/gtest.h>

TEST(VoiceLimiter, StartsOfOneSoundKeepTheMinimumGap)
{
    VoiceLimiter limiter;
    EXPECT_TRUE(limiter.admit(0, 10.0, 1.0));
    EXPECT_FALSE(limiter.admit(0, 10.0, 1.0));
    EXPECT_FALSE(limiter.admit(0, 10.0 + VoiceLimiter::MinimumGap * 0.9, 1.0));
    EXPECT_TRUE(limiter.admit(0, 10.0 + VoiceLimiter::MinimumGap + 1e-9, 1.0));
    // Another sound is counted on its own.
    EXPECT_TRUE(limiter.admit(1, 10.0, 1.0));
}

TEST(VoiceLimiter, AtMostThreeCopiesPlayAtOnceUntilOneEnds)
{
    VoiceLimiter limiter;
    double t = 0.0;
    for (int i = 0; i < VoiceLimiter::MaxCopies; ++i, t += 0.1)
        EXPECT_TRUE(limiter.admit(4, t, 1.0)) << i;
    EXPECT_FALSE(limiter.admit(4, t, 1.0));
    EXPECT_FALSE(limiter.admit(4, 0.99, 1.0));
    EXPECT_TRUE(limiter.admit(4, 1.0, 1.0)); // the first copy has just ended
    limiter.clear();
    EXPECT_TRUE(limiter.admit(4, 1.01, 1.0));
}

TEST(VoiceLimiter, ClockGoingBackOrBadIdsDoNotSilenceForGood)
{
    VoiceLimiter limiter;
    EXPECT_TRUE(limiter.admit(2, 50.0, 0.1));
    EXPECT_TRUE(limiter.admit(2, 1.0, 0.1));
    EXPECT_FALSE(limiter.admit(-1, 1.0, 0.1));
}
