// The shielded invader of the Mixed mode: a shield soaks the first damage and comes back whole when
// it has not been hit for a while, so a tower striking steadily (a coil) wears it down where one
// heavy blast now and then does not.
#pragma once

#include "invaders/Invader.h"
#include "invaders/KindContext.h"

class Shielded : public Invader {
public:
    explicit Shielded(const KindContext& context);

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // A hit spends the shield first; what it does not soak comes off health.
    void takeDamage(int amount) override;

    // Shield points left; the whole shield is the kind's share of the starting health.
    int shield = 0;
    int fullShield = 0;
    // Seconds since the last hit.
    double sinceHit = 0.0;

private:
    KindContext context;
};
