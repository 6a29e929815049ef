#include "invaders/Mite.h"

#include "assets/AnimatedSprite.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"

Mite::Mite(const KindContext& context)
    : context(context)
{
    InvaderLife::begin(*this, InvaderKinds::MiteKind, context);
}

void Mite::update(double dt)
{
    sprite->update(static_cast<float>(dt));
}

void Mite::draw(BITMAP* destination)
{
    InvaderLife::draw(*this, destination, context);
}

void Mite::takeDamage(int amount)
{
    InvaderLife::hurt(*this, amount, context);
}
