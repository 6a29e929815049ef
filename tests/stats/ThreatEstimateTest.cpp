#include "stats/ThreatEstimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

// {wave health, towers' damage per second, march seconds} and the verdict and bar (of 40) it reads as.
TEST(ThreatEstimate, WeighsTheWaveAgainstWhatTheTowersDealWhileItMarches)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double health;
        std::vector<double> damage;
        double seconds;
        ThreatEstimate::Verdict verdict;
        int bar;
    };
    using V = ThreatEstimate::Verdict;
    const Case cases[] = {
        {400, {10, 10}, 40, V::Light, 10},  // 800 to deal: twice the wave's health
        {400, {10, 10}, 20, V::Even, 20},   // 400 dealt: exactly even
        {401, {10, 10}, 20, V::Heavy, 20},  // one point more than the towers can deal
        {800, {10, 10}, 20, V::Heavy, 40},  // twice: the bar is full
        {800, {}, 20, V::Heavy, 40},        // no towers at all
        {0, {}, 20, V::Light, 0},           // nothing comes
        {400, {10, -5, nan}, 80, V::Light, 10}, // nonsense damage counts for nothing
        {400, {10}, nan, V::Heavy, 40},     // nor does a march that never lands
    };
    for (const Case& c : cases) {
        const ThreatEstimate threat = ThreatEstimate::of(c.health, c.damage, c.seconds);
        EXPECT_EQ(threat.verdict(), c.verdict) << c.health << " in " << c.seconds << " s";
        EXPECT_EQ(threat.barFill(40), c.bar) << c.health << " in " << c.seconds << " s";
        EXPECT_TRUE(std::isfinite(threat.ratio()));
    }
    EXPECT_STREQ(ThreatEstimate::caption(V::Heavy), "Heavy for your defence");
}
