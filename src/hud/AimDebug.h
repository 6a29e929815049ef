// The debug overlay's picture of aiming: a cyan dot at the centre of every living invader and a
// magenta square round each invader a missile chases, so what a tower aims at can be seen and
// checked against where the invaders are.
#pragma once

#include <list>
#include <memory>

struct BITMAP;
class Invader;
class Projectile;

class AimDebug {
public:
    static void draw(BITMAP* target, const std::list<std::unique_ptr<Projectile>>& projectiles,
                     const std::list<std::unique_ptr<Invader>>* invaders);
};
