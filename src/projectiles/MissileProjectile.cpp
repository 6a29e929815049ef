#include "projectiles/MissileProjectile.h"

#include "app/Application.h"
#include "app/ConfigKeys.h"
#include "app/ContentFiles.h"
#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "audio/SoundBoard.h"
#include "effects/SimpleEffect.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <boost/math/constants/constants.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr double Pi = boost::math::double_constants::pi;
constexpr double TwoPi = boost::math::double_constants::two_pi;
constexpr double LaunchHeading = 3.0 * Pi / 4.0;
// The missile sheet holds one animation for each direction.
constexpr int DirectionCount = static_cast<int>(ContentFiles::Missile.animations);
// Half a direction's share of the circle, so the picture shown is the nearest direction.
constexpr double HalfDirection = 0.5 / DirectionCount;
// The debris explosions are spread over this many seconds after the blast.
constexpr double DebrisSpread = 0.3;
// Broken tuning numbers (a huge splash or life) must not flood the field with effects.
constexpr int MaxDebris = 200;
constexpr int MaxPuffsPerUpdate = 100;

World& world()
{
    return *Application::instance().world;
}

// Smoke and debris beyond what the field keeps would only be removed again at the end of the frame.
void addEffect(int x, int y, const SpriteSheet* sheet, double delay)
{
    if (world().effects.size() < World::MaxEffects)
        world().effects.push_back(std::make_unique<SimpleEffect>(x, y, sheet, delay));
}

} // namespace

MissileProjectile::MissileProjectile(int x, int y, int damage, int splashDamage, double splashRadius,
                                     HitCredit credit)
    : Projectile(x, y)
    , damage(damage)
    , splashDamage(splashDamage)
    , splashRadius(splashRadius)
    , credit(std::move(credit))
{
    Application& app = Application::instance();
    speed = app.config.getDouble(ConfigKeys::MissileSpeed);
    steeringMax = app.config.getDouble(ConfigKeys::MissileSteeringMax);
    steeringResponse = app.config.getDouble(ConfigKeys::MissileSteeringResponse);
    life = app.config.getDouble(ConfigKeys::MissileLife);
    heading = LaunchHeading;
    sprite = std::make_unique<AnimatedSprite>(app.missileSheet.get());
}

MissileProjectile::~MissileProjectile() = default;

bool MissileProjectile::acquireTarget()
{
    Wave* wave = world().currentWave.get();
    target = wave ? TargetPriority::pick(aim, wave->invaders, nullptr, wave->rowDirection()) : nullptr;
    if (!target)
        return false;
    targetSerial = target->serial;
    return true;
}

bool MissileProjectile::targetLost() const
{
    // Membership is checked first: a removed invader is gone and must not be read.
    const Wave* wave = world().currentWave.get();
    return !target || !wave || !wave->contains(target) || target->serial != targetSerial || target->health <= 0;
}

void MissileProjectile::update(double dt)
{
    if (!alive)
        return;
    if (targetLost() && !acquireTarget()) {
        fizzle();
        return;
    }
    age += dt;
    if (age > life) {
        explode();
        alive = false;
        return;
    }
    sprite->update(static_cast<float>(dt));
    const double aimError = age > StraightFlightTime ? steer(dt) : 0.0;
    move(dt, aimError);
    showDirection();
    if (age > StraightFlightTime)
        trailSmoke(dt);
}

void MissileProjectile::fizzle()
{
    alive = false;
    addEffect(toPixel(x), toPixel(y), Application::instance().poofSheet.get(), 0.0);
}

double MissileProjectile::steer(double dt)
{
    const double dx = target->centreX() - x;
    const double dy = target->centreY() - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    // Sitting exactly on the target's centre there is no direction to turn to.
    if (!(distance > 0.0))
        return 0.0;
    const double wanted = std::atan2(-dy / distance, dx / distance);
    double error = wanted - heading;
    if (error > Pi)
        error -= TwoPi;
    else if (error < -Pi)
        error += TwoPi;
    // Only the anticlockwise turn rate is limited; a clockwise correction is taken in full.
    const double turn = error < steeringMax ? error : steeringMax;
    heading += turn * dt;
    if (heading >= TwoPi)
        heading = std::fmod(heading, TwoPi);
    if (heading < 0.0)
        heading = std::fmod(heading, TwoPi) + TwoPi;
    return error;
}

void MissileProjectile::move(double dt, double aimError)
{
    // Pointing away from the target slows the missile down, and far enough away backs it up.
    const double slowDown = 1.0 - std::fabs(aimError) * steeringResponse;
    x += std::cos(heading) * speed * dt * slowDown;
    y -= std::sin(heading) * speed * dt * slowDown;
}

void MissileProjectile::showDirection()
{
    double step = std::trunc((heading / TwoPi + HalfDirection) * DirectionCount);
    if (!std::isfinite(step))
        step = 0.0;
    step = std::fmod(step, static_cast<double>(DirectionCount));
    if (step < 0.0)
        step += DirectionCount;
    sprite->setAnimation(static_cast<int>(step));
}

void MissileProjectile::trailSmoke(double dt)
{
    const SpriteSheet* puff = Application::instance().puff2Sheet.get();
    puffTimer -= dt;
    int puffs = 0;
    while (puffTimer < 0.0 && puffs < MaxPuffsPerUpdate) {
        addEffect(toPixel(x - std::cos(heading)), toPixel(y) - 1, puff, 0.0);
        puffTimer += PuffInterval;
        ++puffs;
    }
    if (puffTimer < 0.0)
        puffTimer = 0.0;
}

void MissileProjectile::draw(BITMAP* destination)
{
    sprite->draw(destination, toPixel(x) - sprite->width() / 2, toPixel(y) - sprite->height() / 2);
}

void MissileProjectile::hit(Invader* invader)
{
    credit.damage(*invader, damage);
    explode();
    alive = false;
}

void MissileProjectile::explode()
{
    if (splashDamage > 0)
        splash();
    addEffect(toPixel(x), toPixel(y), Application::instance().explosionSmallSheet.get(), 0.0);
    if (splashRadius > 0.0)
        scatterDebris();
    Application::instance().sound.play(SoundEvent::MissileExploded, x);
}

void MissileProjectile::splash()
{
    Wave* wave = world().currentWave.get();
    if (!wave)
        return;
    for (const auto& invader : wave->invaders) {
        // Invaders killed earlier in this blast are skipped.
        if (invader->health <= 0)
            continue;
        const double dx = invader->centreX() - x;
        const double dy = invader->centreY() - y;
        const double reach = splashRadius + invader->radius;
        if (reach * reach > dx * dx + dy * dy)
            credit.damage(*invader, splashDamage);
    }
}

void MissileProjectile::scatterDebris()
{
    const SpriteSheet* explosion = Application::instance().explosionSmallSheet.get();
    const double count = splashDamage + splashRadius * 0.25;
    const int spread = toPixel(splashRadius);
    for (int i = 0; i < count && i < MaxDebris; ++i) {
        const int a = std::rand();
        const int b = std::rand();
        // A blast narrower than a pixel has no room to scatter: its debris stays at the centre.
        const int offsetX = spread > 0 ? a % spread : 0;
        const int offsetY = spread > 0 ? b % spread : 0;
        const int ex = spread > 0 ? toPixel(x + offsetX - splashRadius * 0.5) : toPixel(x);
        const int ey = spread > 0 ? toPixel(y + 2 * offsetY - splashRadius) : toPixel(y);
        addEffect(ex, ey, explosion, (i + 1) * DebrisSpread / count);
    }
}
