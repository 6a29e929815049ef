#include "invaders/Armoured.h"

#include "app/InvaderType.h"
#include "assets/AnimatedSprite.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"

#include <algorithm>

Armoured::Armoured(const KindContext& context)
    : context(context)
{
    InvaderLife::begin(*this, InvaderKinds::ArmouredKind, context);
}

int Armoured::through(int amount, int armour)
{
    return std::max(1, amount - armour);
}

void Armoured::update(double dt)
{
    sprite->update(static_cast<float>(dt));
}

void Armoured::draw(BITMAP* destination)
{
    InvaderLife::draw(*this, destination, context);
}

void Armoured::takeDamage(int amount)
{
    InvaderLife::hurt(*this, through(amount, context.type(kind).armour), context);
}
