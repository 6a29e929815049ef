// The mite of the Mixed mode: small, with little health and worth little; its small hit radius lets
// a missile overshoot it. A splitter leaves two of them where it was destroyed.
#pragma once

#include "invaders/Invader.h"
#include "invaders/KindContext.h"

class Mite : public Invader {
public:
    explicit Mite(const KindContext& context);

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // Takes health; flashes, or pays its small reward at 0.
    void takeDamage(int amount) override;

private:
    KindContext context;
};
