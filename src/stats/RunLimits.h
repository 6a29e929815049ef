// The bounds every figure of a run stays within, in play and in a checkpoint alike: the game adds
// up to them and stops there, and a checkpoint holding more is refused, so the game never writes
// a checkpoint it would refuse at the next launch.
#pragma once

#include <algorithm>
#include <type_traits>

struct RunLimits {
    // Money, health and every count held in an int.
    static constexpr long long MaxAmount = 1000000000;
    // Sums held in a long long (money earned and spent, damage dealt).
    static constexpr long long MaxTotal = 1000000000000000000LL;
    // The wave counter: each wave brings two more invaders than the last, so no run asks for a wave
    // of millions; past this one the waves go on at its strength.
    static constexpr int MaxWave = 1000;
    // Seconds of game time played.
    static constexpr double MaxSeconds = 1e12;

    // The most a figure of this type holds.
    template <typename Figure>
    static constexpr long long highest()
    {
        return std::is_same_v<Figure, int> ? MaxAmount : MaxTotal;
    }

    // figure + amount (an amount of 0 or more, within its own range), held at the figure's limit.
    template <typename Figure>
    static void add(Figure& figure, long long amount)
    {
        static_assert(std::is_integral_v<Figure>, "seconds are added as a double");
        const long long room = highest<Figure>() - static_cast<long long>(figure);
        figure = static_cast<Figure>(static_cast<long long>(figure) + std::clamp(amount, 0LL, std::max(room, 0LL)));
    }
    static void add(double& seconds, double amount) { seconds = std::min(seconds + std::max(amount, 0.0), MaxSeconds); }

    // Money after a payment in (a reward, bonus or refund): in 64-bit arithmetic, from 0 to MaxAmount.
    static int paid(int money, long long amount)
    {
        return static_cast<int>(std::clamp(static_cast<long long>(money) + amount, 0LL, MaxAmount));
    }
};
