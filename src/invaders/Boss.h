// The boss of the Mixed mode, every tenth wave: one large invader with the wave's health many times
// over, that costs several health points if it lands, with its own health bar above it.
#pragma once

#include "invaders/Invader.h"
#include "invaders/KindContext.h"

class Boss : public Invader {
public:
    explicit Boss(const KindContext& context);

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // Takes health; flashes, or pays its large reward at 0.
    void takeDamage(int amount) override;

private:
    KindContext context;
};
