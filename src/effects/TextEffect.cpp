#include "effects/TextEffect.h"

#include "assets/PixelCoordinate.h"
#include "effects/TextImage.h"

#include <allegro.h>

namespace {

constexpr double TextLifetime = 1.0;
constexpr double DriftSpeed = 16.0; // pixels per second, rightwards and upwards alike

} // namespace

TextEffect::TextEffect(int x, int y, const BitmapFont* font, const char* text)
    : x(x), y(y), image(makeTextImage(font, text))
{
    lifetime = TextLifetime;
}

void TextEffect::update(double dt)
{
    x += DriftSpeed * dt;
    y -= DriftSpeed * dt;
    Effect::update(dt);
}

void TextEffect::draw(BITMAP* destination)
{
    if (image && destination)
        masked_blit(image.get(), destination, 0, 0, toPixel(x), toPixel(y), image->w, image->h);
}
