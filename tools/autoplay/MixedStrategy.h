// The player who builds every kind in a fixed rotation and upgrades what stands: whenever the
// cheapest next purchase (the next tower of the rotation, or the next level of any path of any
// tower) is affordable, it buys it.
#pragma once

#include "autoplay/Strategy.h"

#include <vector>

namespace autoplay {

class MixedStrategy : public Strategy {
public:
    MixedStrategy();

    const char* name() const override { return "mixed"; }
    void decide(const World& world, Gestures& hand) override;

private:
    // A thing to buy: a tower of a kind, or the next level of a path of a standing tower.
    struct Purchase {
        int price = 0;
        int kind = -1;               // a new tower of this kind, when >= 0
        const Building* tower = nullptr;
    };

    // The kind the rotation builds next, given how many towers stand.
    int nextKind(const World& world) const;
    // The cheapest of the next tower and every next upgrade level; price 0 and nothing when
    // there is nothing left to buy.
    Purchase cheapestPurchase(const World& world) const;
    // The selected tower's cheapest affordable path, or -1.
    int affordablePath(const World& world, const Building& tower) const;
    void decideIdle(const World& world, Gestures& hand) const;

    std::vector<int> rotation;
};

} // namespace autoplay
