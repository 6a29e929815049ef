#include "effects/SimpleEffect.h"

#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "assets/SpriteSheet.h"

SimpleEffect::SimpleEffect(int x, int y, const SpriteSheet* sheet, double delay)
    : delay(delay)
{
    const Animation* cycle = sheet ? sheet->animationAt(0) : nullptr;
    if (!cycle) {
        // Nothing to play (the sheet failed to load): no sprite, and a lifetime of 0 makes the
        // effect finished from the start, so the World drops it in the frame it was added.
        this->x = x;
        this->y = y;
        return;
    }
    sprite = std::make_unique<AnimatedSprite>(sheet);
    lifetime = delay + cycle->cycleDuration();
    this->x = x - static_cast<double>(sprite->width() / 2);
    this->y = y - static_cast<double>(sprite->height() / 2);
}

SimpleEffect::~SimpleEffect() = default;

void SimpleEffect::update(double dt)
{
    if (sprite && elapsed >= delay)
        sprite->update(static_cast<float>(dt));
    Effect::update(dt);
}

void SimpleEffect::draw(BITMAP* destination)
{
    if (sprite && elapsed >= delay)
        sprite->draw(destination, toPixel(x), toPixel(y));
}
