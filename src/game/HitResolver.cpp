// Projectiles meeting invaders.
#include "game/HitResolver.h"

#include "invaders/Invader.h"
#include "projectiles/Projectile.h"

#include <vector>

void HitResolver::resolve(std::list<std::unique_ptr<Projectile>>& projectiles,
                          std::list<std::unique_ptr<Invader>>& invaders)
{
    // An invader's centre depends on its current frame, which only a hit can change (a flash, or
    // a missile's splash on its neighbours): the centres are worked out once, and again after a hit.
    struct Target {
        Invader* invader;
        double x;
        double y;
    };
    std::vector<Target> targets;
    targets.reserve(invaders.size());
    for (auto& invader : invaders)
        targets.push_back({invader.get(), invader->centreX(), invader->centreY()});
    for (auto& projectile : projectiles) {
        for (const Target& target : targets) {
            if (!projectile->alive)
                break;
            Invader* invader = target.invader;
            if (invader->health <= 0)
                continue;
            const double dx = target.x - projectile->x;
            const double dy = target.y - projectile->y;
            if (invader->radius * invader->radius > dx * dx + dy * dy) {
                projectile->hit(invader);
                for (Target& moved : targets) {
                    moved.x = moved.invader->centreX();
                    moved.y = moved.invader->centreY();
                }
            }
        }
    }
}
