// The early call of a wave (N in the pause between waves): what it pays for every whole second
// still left on the clock. The data set sets the rate with EarlyCallBonus; without it the game
// pays DefaultBonusPerSecond.
#pragma once

#include <memory>

class BitmapFont;
class Config;
class Effect;

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
};
