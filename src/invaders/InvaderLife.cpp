#include "invaders/InvaderLife.h"

#include "app/InvaderType.h"
#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "assets/PixelCoordinate.h"
#include "difficulty/Difficulty.h"
#include "invaders/Invader.h"
#include "invaders/KindContext.h"
#include "invaders/KindEvents.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Animations of every invader sheet.
constexpr int Plain = 0;
constexpr int Flash = 1;
constexpr int BadlyHurt = 2;
constexpr int BadlyHurtFlash = 3;
static_assert(BadlyHurtFlash + 1 == InvaderLife::Animations, "every animation of an invader sheet is played");
// At or below this share of its starting health an invader looks badly hurt.
constexpr double BadlyHurtShare = 0.35;

} // namespace

int InvaderLife::healthFor(const InvaderType& type, int waveNumber, const Difficulty& difficulty)
{
    const double total = std::trunc((waveNumber - 1) * type.healthIncrease) + type.health;
    if (std::isnan(total))
        return difficulty.invaderHealth(type.health);
    return difficulty.invaderHealth(
        static_cast<int>(std::clamp(total, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX))));
}

void InvaderLife::begin(Invader& invader, int kind, const KindContext& context)
{
    const InvaderType& type = context.type(kind);
    invader.kind = kind;
    invader.health = invader.maxHealth = healthFor(type, context.waveNumber, context.difficulty);
    invader.radius = type.size;
    invader.landingCost = type.landingCost;
    invader.sprite = std::make_unique<AnimatedSprite>(type.spriteSheet);
}

void InvaderLife::flash(Invader& invader)
{
    const int threshold = static_cast<int>(invader.maxHealth * BadlyHurtShare);
    if (invader.health > threshold)
        invader.sprite->playThen(Flash, Plain);
    else
        invader.sprite->playThen(BadlyHurtFlash, BadlyHurt);
}

bool InvaderLife::hurt(Invader& invader, int amount, const KindContext& context)
{
    if (invader.health <= 0)
        return false;
    const long long left = static_cast<long long>(invader.health) - amount;
    invader.health = static_cast<int>(std::clamp<long long>(left, INT_MIN, INT_MAX));
    if (invader.health > 0) {
        flash(invader);
        return false;
    }
    if (context.events)
        context.events->destroyed(invader, invader.kind, context.type(invader.kind).reward);
    return true;
}

void InvaderLife::draw(const Invader& invader, BITMAP* destination, const KindContext& context)
{
    const int left = toPixel(invader.x);
    const int top = toPixel(invader.y);
    invader.sprite->draw(destination, left, top);
    if (const BitmapFont* font = context.events ? context.events->debugFont() : nullptr)
        drawTextf(font, destination, left, top, "%d", invader.health);
}
