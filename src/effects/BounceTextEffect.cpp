#include "effects/BounceTextEffect.h"

#include "assets/BitmapFont.h"
#include "assets/PixelCoordinate.h"
#include "effects/TextImage.h"

#include <allegro.h>

namespace {

constexpr double BounceLifetime = 3.0;
constexpr double LaunchVelocity = -40.0; // upwards
constexpr double Gravity = 90.0;         // pixels per second squared, downwards
constexpr double Rebound = -0.6;         // a landing keeps 60 % of the speed, reversed
constexpr double PopInEnd = 0.15;
constexpr double FreezeTime = 1.4;
constexpr double PopOutStart = 2.4;
constexpr double PopDuration = 0.15;
constexpr int WidthFactor = 2;

} // namespace

BounceTextEffect::BounceTextEffect(int x, int y, const BitmapFont* font, const char* text)
    : image(makeTextImage(font, text)), velocity(LaunchVelocity), restY(y)
{
    lifetime = BounceLifetime;
    // The image is textWidth + 2 wide; subtracting that once centres the doubled width on x.
    const int imageWidth = image ? image->w : textWidth(font, text) + 2;
    this->x = static_cast<double>(x) - imageWidth;
    this->y = restY;
}

void BounceTextEffect::update(double dt)
{
    Effect::update(dt);
    if (elapsed < PopInEnd)
        return;
    double newVelocity = velocity + Gravity * dt;
    const double newY = y + velocity * dt;
    if (newY >= restY) {
        y = restY;
        newVelocity *= Rebound;
    } else {
        y = newY;
    }
    velocity = elapsed > FreezeTime ? 0.0 : newVelocity;
}

float BounceTextEffect::scale() const
{
    if (elapsed < PopInEnd)
        return static_cast<float>(elapsed / PopInEnd);
    if (elapsed < PopOutStart)
        return 1.0f;
    return static_cast<float>(1.0 - (elapsed - PopOutStart) / PopDuration);
}

void BounceTextEffect::draw(BITMAP* destination)
{
    if (!image || !destination)
        return;
    const float s = scale();
    if (!(s > 0.0f))
        return; // popped out (or not yet grown)
    const int h = image->h;
    const int drawnHeight = static_cast<int>(2 * s * h);
    if (drawnHeight <= 0)
        return;
    const int top = toPixel(y) + static_cast<int>((1 - s) * h);
    masked_stretch_blit(image.get(), destination, 0, 0, image->w, h, toPixel(x), top, WidthFactor * image->w,
                        drawnHeight);
}
