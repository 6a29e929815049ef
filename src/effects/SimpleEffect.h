// Plays one cycle of animation 0 of a sprite sheet centred on a point, optionally after a delay:
// puffs, poofs and explosions.
#pragma once

#include "effects/Effect.h"

#include <memory>

class AnimatedSprite;
class SpriteSheet;

class SimpleEffect : public Effect {
public:
    // (x, y) is where the first frame's centre goes. A sheet without animation 0 gives an effect
    // that is finished at once and never draws.
    SimpleEffect(int x, int y, const SpriteSheet* sheet, double delay);
    ~SimpleEffect() override;

    // The sprite starts advancing only once elapsed has reached the delay.
    void update(double dt) override;
    // Nothing while the delay runs.
    void draw(BITMAP* destination) override;

    double x = 0.0; // left edge of the sprite
    double y = 0.0; // top edge of the sprite
    std::unique_ptr<AnimatedSprite> sprite;
    double delay = 0.0;
};
