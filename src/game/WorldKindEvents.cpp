#include "game/WorldKindEvents.h"

#include "app/Application.h"
#include "audio/SoundBoard.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "stats/RunLimits.h"

#include <string>

void WorldKindEvents::destroyed(const Invader& invader, int kind, int reward)
{
    Application& app = *world.app;
    const int paid = world.difficulty.reward(reward);
    world.money = RunLimits::paid(world.money, paid);
    world.statistics.invaderDestroyed(paid, kind);
    const int cx = invader.effectX();
    const int cy = invader.effectY();
    world.effects.push_back(std::make_unique<SimpleEffect>(cx, cy, app.poofSheet.get(), 0.0));
    const std::string text = "+" + std::to_string(paid);
    world.effects.push_back(std::make_unique<TextEffect>(cx, cy, app.fontSmall.get(), text.c_str()));
    app.sound.play(SoundEvent::InvaderDestroyed, cx);
}

const BitmapFont* WorldKindEvents::debugFont() const
{
    return world.showDebug ? world.app->fontSmall.get() : nullptr;
}
