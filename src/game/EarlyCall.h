// The early call of a wave (N in the pause between waves): what it pays for every whole second
// still left on the clock. The data set sets the rate with EarlyCallBonus; without it the game
// pays DefaultBonusPerSecond.
#pragma once

#include <memory>

class BitmapFont;
class Config;
class Effect;
class World;

class EarlyCall {
public:
    // What a whole second left pays when the data set does not say.
    static constexpr int DefaultBonusPerSecond = 2;

    // The rate the data set sets, or the default when the key is missing or empty.
    static int bonusPerSecond(Config& config);
    // The bonus for calling with secondsLeft on the clock at perSecond a whole second; 0 when
    // that would take money or overflow it.
    static int bonusFor(double secondsLeft, int perSecond);
    // The "+$N" that shows the bonus paid, rising from just above the money.
    static std::unique_ptr<Effect> bonusText(int bonus, const BitmapFont* font);
    // What N would pay in the world now; 0 while N would do nothing.
    static int bonusNow(const World& world);
    // N: the next wave starts at once and the bonus is paid, after the wave's checkpoint so that a
    // run resumed there is not paid twice. Nothing while N would do nothing.
    static void call(World& world);
};
