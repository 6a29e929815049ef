// The player who builds laser turrets, and nothing else, as soon as the money affords one and a
// slot on the baseline is free. Never buys upgrades. The half-hearted kind ("lasers-half") puts
// aside as much as each laser cost and never spends it, and stops at half the lasers the whole
// kind stands on the field: a newcomer's defence.
#pragma once

#include "autoplay/Strategy.h"

#include <cstddef>

namespace autoplay {

class LasersOnlyStrategy : public Strategy {
public:
    explicit LasersOnlyStrategy(bool half = false)
        : half(half)
    {
    }
    const char* name() const override { return half ? "lasers-half" : "lasers"; }
    void decide(const World& world, Gestures& hand) override;

private:
    // Whether the money not set aside buys a laser, below the half-hearted kind's number of towers.
    bool mayBuild(const World& world) const;

    // Half the 15 lasers the whole kind stands on the shipped field.
    static constexpr std::size_t HalfTowers = 7;

    bool half;
    // Money put aside, and the towers standing when it was last counted.
    int reserved = 0;
    std::size_t towersSeen = 0;
};

} // namespace autoplay
