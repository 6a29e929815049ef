// Projectiles meeting invaders, once a frame: each projectile in list order against each living
// invader of the wave in list order, hitting the ones whose centre lies strictly within its radius.
#pragma once

#include <list>
#include <memory>

class Invader;
class Projectile;

class HitResolver {
public:
    // A projectile that stays alive after a hit goes on to the following invaders in the same pass.
    static void resolve(std::list<std::unique_ptr<Projectile>>& projectiles,
                        std::list<std::unique_ptr<Invader>>& invaders);
};
