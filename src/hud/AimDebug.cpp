#include "hud/AimDebug.h"

#include "assets/PixelCoordinate.h"
#include "invaders/Invader.h"
#include "projectiles/Projectile.h"

#include <allegro.h>

namespace {

// Half the side of the square round a chased invader.
constexpr int SquareReach = 3;

} // namespace

void AimDebug::draw(BITMAP* target, const std::list<std::unique_ptr<Projectile>>& projectiles,
                    const std::list<std::unique_ptr<Invader>>* invaders)
{
    if (!target)
        return;
    const int magenta = makecol(255, 0, 255);
    for (const auto& projectile : projectiles) {
        if (const Invader* chased = projectile->alive ? projectile->chasing() : nullptr) {
            const int x = toPixel(chased->centreX());
            const int y = toPixel(chased->centreY());
            rect(target, x - SquareReach, y - SquareReach, x + SquareReach, y + SquareReach, magenta);
        }
    }
    if (!invaders)
        return;
    const int cyan = makecol(0, 255, 255);
    for (const auto& invader : *invaders)
        if (invader->health > 0)
            putpixel(target, toPixel(invader->centreX()), toPixel(invader->centreY()), cyan);
}
