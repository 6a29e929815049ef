// A homing missile: picks a random invader of the current wave, flies straight for a moment,
// then steers toward it trailing smoke, and explodes on contact or when its life runs out.
#pragma once

#include "projectiles/Projectile.h"
#include "stats/HitCredit.h"
#include "towers/TargetPriority.h"

#include <cstdint>
#include <memory>

class AnimatedSprite;

class MissileProjectile : public Projectile {
public:
    // (x, y) is the sprite's centre, its contact point. A splash radius of 0 means no blast.
    MissileProjectile(int x, int y, int damage, int splashDamage, double splashRadius,
                      HitCredit credit = HitCredit());
    ~MissileProjectile() override;

    // Picks an invader of the current wave by `aim` (by default a random one, dead ones not yet
    // removed included); false (and no target) when the rule finds none.
    bool acquireTarget();

    void update(double dt) override;
    void draw(BITMAP* destination) override;
    // Damages the invader touched, then explodes.
    void hit(Invader* invader) override;
    // Blast damage around the contact point, the main explosion and its scattered debris.
    void explode();
    const Invader* chasing() const override { return targetLost() ? nullptr : target; }

    // Time after launch during which the missile flies straight and leaves no smoke.
    static constexpr double StraightFlightTime = 0.2;
    // Seconds of flight between two smoke puffs.
    static constexpr double PuffInterval = 0.09;

    std::unique_ptr<AnimatedSprite> sprite;
    double speed = 0.0;
    double heading = 0.0;
    int damage = 0;
    int splashDamage = 0;
    double splashRadius = 0.0;
    double steeringMax = 0.0;
    double steeringResponse = 0.0;
    Invader* target = nullptr;
    // How the missile picks its target at launch and whenever it has lost it; its launcher's rule.
    TargetPriority::Rule aim = TargetPriority::Random;
    HitCredit credit;
    double age = 0.0;
    double life = 0.0;
    double puffTimer = 0.0;

private:
    // The serial of the invader `target` was taken from; a deleted target's memory may be reused.
    std::uint64_t targetSerial = 0;

    // The target was never set, has died, or has left the current wave's list.
    bool targetLost() const;
    void fizzle();
    // Turns toward the target and returns the aim error before the turn was limited.
    double steer(double dt);
    void move(double dt, double aimError);
    void showDirection();
    void trailSmoke(double dt);
    void splash();
    void scatterDebris();
};
