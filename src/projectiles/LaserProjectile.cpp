#include "projectiles/LaserProjectile.h"

#include "app/Application.h"
#include "app/ConfigKeys.h"
#include "invaders/Invader.h"

#include <allegro.h>

#include <utility>

LaserProjectile::LaserProjectile(int x, int y, int damage, HitCredit credit)
    : Projectile(x, y)
    , image(Application::instance().laserImage)
    , damage(damage)
    , credit(std::move(credit))
{
    // Read for every bolt, so a retuned speed applies to the next shot.
    speed = Application::instance().config.getDouble(ConfigKeys::LaserSpeed);
}

void LaserProjectile::update(double dt)
{
    y -= speed * dt;
    // Spent once the whole picture is above the top of the field.
    if (y < -height())
        alive = false;
}

void LaserProjectile::draw(BITMAP* destination)
{
    if (!image)
        return;
    masked_blit(image, destination, 0, 0, static_cast<int>(x) - image->w / 2, static_cast<int>(y), image->w,
                image->h);
}

void LaserProjectile::hit(Invader* invader)
{
    credit.damage(*invader, damage);
    alive = false;
}

int LaserProjectile::height() const
{
    return image ? image->h : 0;
}
