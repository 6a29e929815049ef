// The splitter of the Mixed mode: destroyed, it leaves two mites in its place in the block.
#pragma once

#include "invaders/Invader.h"
#include "invaders/KindContext.h"

class Splitter : public Invader {
public:
    explicit Splitter(const KindContext& context);

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // Takes health; at 0 pays out and leaves two mites to its wave.
    void takeDamage(int amount) override;

private:
    KindContext context;
};
