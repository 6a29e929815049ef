#include "invaders/Invader.h"

#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"

namespace {

int halfWidth(const AnimatedSprite* sprite)
{
    return sprite ? sprite->width() / 2 : 0;
}

int halfHeight(const AnimatedSprite* sprite)
{
    return sprite ? sprite->height() / 2 : 0;
}

} // namespace

Invader::Invader()
    : serial(nextSerial())
{
}

std::uint64_t Invader::nextSerial()
{
    static std::uint64_t counter = 0;
    return ++counter;
}

Invader::~Invader() = default;

double Invader::centreX() const
{
    return x + halfWidth(sprite.get());
}

double Invader::centreY() const
{
    return y + halfHeight(sprite.get());
}

int Invader::effectX() const
{
    return toPixel(x) + halfWidth(sprite.get());
}

int Invader::effectY() const
{
    return toPixel(y) + halfHeight(sprite.get());
}
