// The player who builds laser turrets, and nothing else, as soon as the money affords one and a
// slot on the baseline is free. Never buys upgrades.
#pragma once

#include "autoplay/Strategy.h"

namespace autoplay {

class LasersOnlyStrategy : public Strategy {
public:
    const char* name() const override { return "lasers"; }
    void decide(const World& world, Gestures& hand) override;
};

} // namespace autoplay
