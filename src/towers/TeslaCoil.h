// Tower kind 2: strikes the nearest invader within range at a fixed rate with a lightning
// spark from the top of the coil; its upgrade raises the damage.
#pragma once

#include "towers/Building.h"
#include "towers/TowerRules.h"

class Invader;

class TeslaCoil : public Building {
public:
    TeslaCoil();

    // Animations of its sheet: idle and the build preview.
    static constexpr unsigned Animations = 2;
    // Its weapons' rule: the period, the strike's damage and its reach.
    static const KindRules& rules();

    void update(double dt) override;
    // Path 0 raises the damage of every strike and, when the data says so, the range.
    void upgrade(int p) override;
    // Nearest, First, Strongest, Weakest: each within range.
    const std::vector<TargetPriority::Rule>& aimChoices() const override;

    // Centre of the current frame, its bottom on the baseline.
    double centreX() const;
    double centreY() const;
    // The invader of the current wave whose centre is nearest the strike point and not beyond
    // range; of several at the same distance the later in the list. Null when there is none.
    Invader* findNearestInvader() const;
    // The invader in range that the coil's `aim` picks; null when there is none.
    Invader* findTarget() const;

    // The lightning leaves the coil this far above the centre of its frame.
    static constexpr int StrikePointRise = 8;

    float timer = 0.0f;
    float period = 0.0f;
    int damage = 0;
    double range = 0.0;

private:
    Invader* findBy(TargetPriority::Rule rule) const;
    // Strikes the invader in range its rule picks, with a spark when asked; false when none is in range.
    bool strike(bool withSpark);

    static constexpr int MaxSparksPerUpdate = 4;
};
