// Tower kind 0: fires laser bolts straight up at a fixed rate; its upgrades shorten the period
// and add a launcher of homing missiles.
#pragma once

#include "towers/Building.h"
#include "towers/TowerRules.h"

class LaserTurret : public Building {
public:
    LaserTurret();

    // Animations of its sheet: idle, the build preview, firing.
    static constexpr unsigned Animations = 3;
    // Its weapons' rule: the period, the bolt's damage, the launcher and its missiles.
    static const KindRules& rules();

    void update(double dt) override;
    // Path 0 shortens the laser period; path 1 switches the missile launcher on.
    void upgrade(int p) override;
    // Its missiles' choices once the launcher is bought; none before.
    const std::vector<TargetPriority::Rule>& aimChoices() const override;

    float timer = 0.0f;
    float period = 0.0f;
    int damage = 0;
    float missileTimer = 0.0f;
    float missilePeriod = 0.0f;
    int missileDamage = 0;

private:
    void fireLaser();
    void fireMissile();
};
