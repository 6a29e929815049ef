// Tower kind 1: launches homing missiles with blast damage at random invaders, out to the side
// where the target is; its upgrades shorten the period, widen the blast and double the launch.
#pragma once

#include "towers/Building.h"
#include "towers/TowerRules.h"

class MissileTurret : public Building {
public:
    MissileTurret();

    // Animations of its sheet: the poses held left, in the build preview and right, the launches
    // left and right.
    static constexpr unsigned Animations = 5;
    // Its weapons' rule: the period, the missiles' damage, the blast and the double launch.
    static const KindRules& rules();

    void update(double dt) override;
    // Path 0 shortens the period, path 1 widens the blast, path 2 adds a second missile.
    void upgrade(int p) override;
    // Random, First, Strongest, Weakest.
    const std::vector<TargetPriority::Rule>& aimChoices() const override;

    float timer = 0.0f;
    float period = 0.0f;
    int damage = 0;
    int splashDamage = 0;
    double splashRadius = 0.0;
    bool firedRight = false;

private:
    void fire();
    void launchSecondMissile(int startX, int startY, double heading);
};
