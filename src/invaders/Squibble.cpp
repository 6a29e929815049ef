#include "invaders/Squibble.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "assets/PixelCoordinate.h"
#include "audio/SoundBoard.h"
#include "difficulty/Difficulty.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/World.h"
#include "invaders/InvaderLife.h"
#include "stats/RunLimits.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

Squibble::Squibble()
{
    const Application& app = Application::instance();
    const int waveNumber = app.world ? app.world->waveNumber : 1;
    health = maxHealth = healthFor(waveNumber, app.world ? app.world->difficulty : Difficulty());
    radius = type().size;
    sprite = std::make_unique<AnimatedSprite>(type().spriteSheet);
}

// The increase is truncated before it is added.
int Squibble::healthFor(int waveNumber, const Difficulty& difficulty)
{
    return InvaderLife::healthFor(type(), waveNumber, difficulty);
}

const InvaderType& Squibble::type()
{
    return Application::instance().invaderTypes[0];
}

void Squibble::update(double dt)
{
    sprite->update(static_cast<float>(dt));
}

void Squibble::draw(BITMAP* destination)
{
    const int left = toPixel(x);
    const int top = toPixel(y);
    sprite->draw(destination, left, top);
    const Application& app = Application::instance();
    if (app.world && app.world->showDebug)
        drawTextf(app.fontSmall.get(), destination, left, top, "%d", health);
}

void Squibble::takeDamage(int amount)
{
    if (health <= 0)
        return;
    const long long left = static_cast<long long>(health) - amount;
    health = static_cast<int>(std::clamp<long long>(left, INT_MIN, INT_MAX));
    if (health > 0)
        flash();
    else
        destroyed();
}

void Squibble::flash() { InvaderLife::flash(*this); }

void Squibble::destroyed()
{
    Application& app = Application::instance();
    World* world = app.world;
    if (!world)
        return;
    const int reward = world->difficulty.reward(type().reward);
    world->purse.earnReward(reward);
    const int cx = effectX();
    const int cy = effectY();
    world->effects.push_back(std::make_unique<SimpleEffect>(cx, cy, app.poofSheet.get(), 0.0));
    const std::string text = "+" + std::to_string(reward);
    world->effects.push_back(std::make_unique<TextEffect>(cx, cy, app.fontSmall.get(), text.c_str()));
    app.sound.play(SoundEvent::InvaderDestroyed, cx);
}
