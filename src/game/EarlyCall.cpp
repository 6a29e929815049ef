// The early call's bonus.
#include "game/EarlyCall.h"

#include "app/Application.h"
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "effects/TextEffect.h"
#include "game/World.h"

#include <cmath>
#include <cstdio>

namespace {

// Clear of the status row's marks.
constexpr int BonusTextX = 4;
constexpr int BonusTextY = 208;

} // namespace

int EarlyCall::bonusPerSecond(Config& config)
{
    const bool given = config.contains(ConfigKeys::EarlyCallBonus) && !config.get(ConfigKeys::EarlyCallBonus).empty();
    return given ? config.getInt(ConfigKeys::EarlyCallBonus) : DefaultBonusPerSecond;
}

int EarlyCall::bonusFor(double secondsLeft, int perSecond)
{
    const double total = std::floor(secondsLeft) * perSecond;
    // A broken bonus pays nothing rather than taking money or overflowing it.
    return total > 0.0 && total < 1e9 ? static_cast<int>(total) : 0;
}

std::unique_ptr<Effect> EarlyCall::bonusText(int bonus, const BitmapFont* font)
{
    char text[32];
    std::snprintf(text, sizeof text, "+$%d", bonus);
    return std::make_unique<TextEffect>(BonusTextX, BonusTextY, font, text);
}

int EarlyCall::bonusNow(const World& world)
{
    if (!world.mayCallNextWave())
        return 0;
    return bonusFor(world.waveTimer, bonusPerSecond(world.app->config));
}

void EarlyCall::call(World& world)
{
    if (!world.mayCallNextWave())
        return;
    const int bonus = bonusNow(world);
    world.startWave();
    if (bonus > 0) {
        world.purse.takeEarlyCallBonus(bonus);
        world.effects.push_back(bonusText(bonus, world.app->fontSmall.get()));
    }
}
