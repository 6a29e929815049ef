// The World as the Mixed kinds see it: a destroyed invader's reward paid into the World's money and
// books with the poof, the "+N" and the sound, and the debug overlay's font while it is shown.
#pragma once

#include "invaders/KindEvents.h"

class World;

class WorldKindEvents : public KindEvents {
public:
    explicit WorldKindEvents(World& world) : world(world) {}

    void destroyed(const Invader& invader, int kind, int reward) override;
    const BitmapFont* debugFont() const override;

private:
    World& world;
};
