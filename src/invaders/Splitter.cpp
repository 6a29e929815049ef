#include "invaders/Splitter.h"

#include "assets/AnimatedSprite.h"
#include "invaders/InvaderKinds.h"
#include "invaders/InvaderLife.h"
#include "invaders/Mite.h"
#include "invaders/Wave.h"

namespace {

// Where the two mites stand, from the splitter's top-left corner.
constexpr double MiteOffsets[2][2] = {{-3.0, 2.0}, {7.0, 2.0}};

} // namespace

Splitter::Splitter(const KindContext& context)
    : context(context)
{
    InvaderLife::begin(*this, InvaderKinds::SplitterKind, context);
}

void Splitter::update(double dt)
{
    sprite->update(static_cast<float>(dt));
}

void Splitter::draw(BITMAP* destination)
{
    InvaderLife::draw(*this, destination, context);
}

void Splitter::takeDamage(int amount)
{
    if (!InvaderLife::hurt(*this, amount, context) || !wave)
        return;
    for (const auto& offset : MiteOffsets) {
        auto mite = std::make_unique<Mite>(context);
        mite->x = x + offset[0];
        mite->y = y + offset[1];
        wave->join(std::move(mite));
    }
}
