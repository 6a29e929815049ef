// A laser bolt: flies straight up from its turret and hurts the first invader it touches.
#pragma once

#include "projectiles/Projectile.h"
#include "stats/HitCredit.h"

class LaserProjectile : public Projectile {
public:
    // (x, y) is the middle of the bolt's top edge, its contact point.
    LaserProjectile(int x, int y, int damage, HitCredit credit = HitCredit());

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    void hit(Invader* invader) override;

    // Height of the bolt's picture; 0 when the picture failed to load.
    int height() const;

    BITMAP* image = nullptr;
    double speed = 0.0;
    int damage = 0;
    HitCredit credit;
};
