#include "towers/TeslaCoil.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "audio/SoundBoard.h"
#include "effects/SparkEffect.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

namespace {

constexpr int TeslaKind = 2;
constexpr int DamagePath = 0;

int halfWidth(const AnimatedSprite* sprite)
{
    return sprite ? sprite->width() / 2 : 0;
}

int halfHeight(const AnimatedSprite* sprite)
{
    return sprite ? sprite->height() / 2 : 0;
}

} // namespace

TeslaCoil::TeslaCoil()
    : Building(TeslaKind)
{
    Application& app = Application::instance();
    sheet = app.towerTypes[TeslaKind].spriteSheet;
    period = static_cast<float>(app.config.getDouble("Tower3.FreqBase"));
    timer = period * 0.5f;
    range = app.config.getDouble("Tower3.RangeBase");
    damage = app.config.getInt("Tower3.DamageBase");
}

double TeslaCoil::centreX() const
{
    return x + halfWidth(sprite.get());
}

double TeslaCoil::centreY() const
{
    return Application::instance().towerBaseline - halfHeight(sprite.get());
}

void TeslaCoil::update(double dt)
{
    if (!sprite)
        return;
    sprite->update(static_cast<float>(dt));
    // Each strike looks for the nearest invader anew; a strike with none in range is lost.
    for (int shots = takeShots(timer, period, dt); shots > 0; --shots)
        strike();
}

void TeslaCoil::upgrade(int p)
{
    countLevel(p);
    // Every level adds the same level-1 modifier again.
    if (p == DamagePath)
        damage += Application::instance().config.getIntf("Tower3.Upgrade1.Level%d.DamageMod", 1);
}

Invader* TeslaCoil::findNearestInvader() const
{
    const Wave* wave = Application::instance().world->currentWave.get();
    if (!wave)
        return nullptr;
    const double strikeX = centreX();
    const double strikeY = centreY() - StrikePointRise;
    double best = range * range;
    Invader* result = nullptr;
    for (const auto& invader : wave->invaders) {
        const double dx = invader->centreX() - strikeX;
        const double dy = invader->centreY() - strikeY;
        const double distanceSquared = dx * dx + dy * dy;
        // Not strictly: the later of several invaders at the same distance wins.
        if (best >= distanceSquared) {
            best = distanceSquared;
            result = invader.get();
        }
    }
    return result;
}

void TeslaCoil::strike()
{
    Invader* target = findNearestInvader();
    if (!target)
        return;
    target->takeDamage(damage);
    // The spark ends at the target's centre as its frame is after the hit.
    Application::instance().world->effects.push_back(
        std::make_unique<SparkEffect>(toPixel(centreX()), toPixel(centreY()) - StrikePointRise,
                                      toPixel(target->centreX()), toPixel(target->centreY())));
    Application::instance().sound.play(SoundEvent::TeslaStrike, centreX());
}
