#include "invaders/Boss.h"

#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"

#include <allegro.h>

namespace {

// The health bar: this many pixels above the sprite, this tall.
constexpr int BarGap = 4;
constexpr int BarHeight = 2;

} // namespace

Boss::Boss(const KindContext& context)
    : context(context)
{
    InvaderLife::begin(*this, InvaderKinds::BossKind, context);
}

void Boss::update(double dt)
{
    sprite->update(static_cast<float>(dt));
}

void Boss::draw(BITMAP* destination)
{
    InvaderLife::draw(*this, destination, context);
    if (health <= 0 || maxHealth <= 0)
        return;
    const int left = toPixel(x);
    const int top = toPixel(y) - BarGap;
    const int width = sprite->width();
    const int filled = static_cast<int>(static_cast<long long>(width) * health / maxHealth);
    rectfill(destination, left, top, left + width - 1, top + BarHeight - 1, makecol(90, 20, 30));
    if (filled > 0)
        rectfill(destination, left, top, left + filled - 1, top + BarHeight - 1, makecol(120, 220, 80));
}

void Boss::takeDamage(int amount)
{
    InvaderLife::hurt(*this, amount, context);
}
