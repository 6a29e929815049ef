#include "invaders/Shielded.h"

#include "app/InvaderType.h"
#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"

#include <algorithm>
#include <allegro.h>

namespace {

constexpr int PercentWhole = 100;
// The shield is drawn as a ring this far outside the hit radius.
constexpr int RingGap = 2;

} // namespace

Shielded::Shielded(const KindContext& context)
    : context(context)
{
    InvaderLife::begin(*this, InvaderKinds::ShieldedKind, context);
    fullShield = static_cast<int>(static_cast<long long>(maxHealth) * context.type(kind).shield / PercentWhole);
    shield = fullShield;
}

void Shielded::update(double dt)
{
    sprite->update(static_cast<float>(dt));
    sinceHit += dt;
    if (health > 0 && sinceHit >= context.type(kind).shieldReturn)
        shield = fullShield;
}

void Shielded::draw(BITMAP* destination)
{
    InvaderLife::draw(*this, destination, context);
    if (shield > 0 && health > 0)
        circle(destination, toPixel(centreX()), toPixel(centreY()), static_cast<int>(radius) + RingGap,
               makecol(120, 200, 255));
}

void Shielded::takeDamage(int amount)
{
    if (health <= 0)
        return;
    sinceHit = 0.0;
    const int soaked = std::clamp(amount, 0, shield);
    shield -= soaked;
    if (amount - soaked > 0)
        InvaderLife::hurt(*this, amount - soaked, context);
}
