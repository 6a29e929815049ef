// The armoured invader of the Mixed mode: every hit loses a fixed armour from its damage, at least
// one point getting through, so many small laser bolts barely scratch it where a missile's blast does.
#pragma once

#include "invaders/Invader.h"
#include "invaders/KindContext.h"

class Armoured : public Invader {
public:
    explicit Armoured(const KindContext& context);

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // Loses the kind's armour from every hit before it takes the rest.
    void takeDamage(int amount) override;

    // What a hit of amount leaves of itself against armour: at least 1.
    static int through(int amount, int armour);

private:
    KindContext context;
};
