#include "towers/TeslaCoil.h"

#include "app/Application.h"
#include "assets/AnimatedSprite.h"
#include "assets/PixelCoordinate.h"
#include "audio/SoundBoard.h"
#include "effects/SparkEffect.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "towers/TowerKinds.h"
#include "towers/TowerRules.h"

namespace {

constexpr int DamagePath = 0;

int halfHeight(const AnimatedSprite* sprite)
{
    return sprite ? sprite->height() / 2 : 0;
}

} // namespace

TeslaCoil::TeslaCoil()
    : Building(TowerKinds::Tesla)
{
    Application& app = Application::instance();
    sheet = app.towerTypes[TowerKinds::Tesla].spriteSheet;
    const TowerWeapons weapons = TowerRules::weaponsOf(TowerKinds::Tesla, upgradeLevels);
    period = weapons.period;
    timer = period * 0.5f;
    range = weapons.range;
    damage = weapons.damage;
    aim = TargetPriority::Nearest;
}

const std::vector<TargetPriority::Rule>& TeslaCoil::aimChoices() const
{
    return TargetPriority::coilChoices();
}

double TeslaCoil::centreX() const
{
    return centreLine();
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
    // Each strike looks for the nearest invader anew; a strike with none in range is lost. Only the
    // first few strikes of one update draw a spark and crackle: a very short period must not make
    // hundreds of bolt images and sounds a frame.
    int sparks = 0;
    for (int shots = takeShots(timer, period, dt); shots > 0; --shots) {
        if (strike(sparks < MaxSparksPerUpdate))
            ++sparks;
    }
}

void TeslaCoil::upgrade(int p)
{
    countLevel(p);
    if (p == DamagePath) {
        const TowerWeapons weapons = TowerRules::weaponsOf(TowerKinds::Tesla, upgradeLevels);
        damage = weapons.damage;
        range = weapons.range;
    }
}

Invader* TeslaCoil::findNearestInvader() const
{
    return findBy(TargetPriority::Nearest);
}

Invader* TeslaCoil::findTarget() const
{
    return findBy(aim);
}

Invader* TeslaCoil::findBy(TargetPriority::Rule rule) const
{
    const Wave* wave = Application::instance().world->currentWave.get();
    if (!wave)
        return nullptr;
    const TargetPriority::Reach reach{centreX(), centreY() - StrikePointRise, range};
    return TargetPriority::pick(rule, wave->invaders, &reach, wave->rowDirection());
}

bool TeslaCoil::strike(bool withSpark)
{
    Invader* target = findTarget();
    if (!target)
        return false;
    credit().damage(*target, damage);
    if (!withSpark)
        return true;
    // The spark ends at the target's centre as its frame is after the hit.
    Application::instance().world->effects.push_back(
        std::make_unique<SparkEffect>(toPixel(centreX()), toPixel(centreY()) - StrikePointRise,
                                      toPixel(target->centreX()), toPixel(target->centreY())));
    Application::instance().sound.play(SoundEvent::TeslaStrike, centreX());
    return true;
}
