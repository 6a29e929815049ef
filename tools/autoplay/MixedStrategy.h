// The player who builds every kind in a fixed rotation and upgrades what stands. It keeps a
// steady mix: the next purchase is a tower while there are fewer than TowersPerUpgrade towers for
// every upgrade level bought (plus one), otherwise the cheapest next level of any path of any
// tower. It saves up for that purchase and buys it as soon as it can afford it. Told a rule for its
// missiles, it selects every missile launcher that aims otherwise and steps it to that rule first.
// Given a chooser, the chooser picks each new tower's kind in place of the rotation (the "answer"
// player). The missile-led player turns a rotation in which every other tower is a missile turret.
#pragma once

#include "autoplay/Strategy.h"
#include "towers/TargetPriority.h"

#include <functional>
#include <vector>

namespace autoplay {

class MixedStrategy : public Strategy {
public:
    using Chooser = std::function<int(const World&)>;

    explicit MixedStrategy(int towersPerUpgrade = 2, TargetPriority::Rule missileAim = TargetPriority::Random);
    MixedStrategy(const char* name, Chooser chooser, int towersPerUpgrade = 2);
    MixedStrategy(const char* name, std::vector<int> rotation, TargetPriority::Rule missileAim);

    // Laser, missile, coil, missile: the missile-led player's rotation.
    static std::vector<int> missileLedRotation();

    const char* name() const override
    {
        return shownName ? shownName : missileAim == TargetPriority::Random ? "mixed" : "mixed-first";
    }
    void decide(const World& world, Gestures& hand) override;

private:
    // A thing to buy: a tower of a kind, or the next level of a path of a standing tower.
    struct Purchase {
        int price = 0;
        int kind = -1; // a new tower of this kind, when >= 0
        const Building* tower = nullptr;
        int path = -1;
    };

    // The kind the rotation builds next, given how many towers stand.
    int nextKind(const World& world) const;
    // What the player saves up for now; price 0 when there is nothing left to buy.
    Purchase nextPurchase(const World& world) const;
    std::optional<Purchase> nextTower(const World& world) const;
    std::optional<Purchase> cheapestUpgrade(const World& world) const;
    void decideIdle(const World& world, Gestures& hand) const;
    // A tower that launches missiles (its own rule is Random) aiming otherwise than missileAim.
    bool needsAim(const Building& tower) const;

    TargetPriority::Rule missileAim;

    std::vector<int> rotation;
    int towersPerUpgrade;
    const char* shownName = nullptr; // the answer and missile-led players'; the others are named by their aim
    Chooser chooser;
};

} // namespace autoplay
