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

constexpr const char* PeriodKey = "Tower3.FreqBase";
constexpr const char* DamageKey = "Tower3.DamageBase";
constexpr const char* RangeKey = "Tower3.RangeBase";
constexpr const char* DamageModKey = "Tower3.Upgrade1.Level1.DamageMod";
constexpr const char* RangeModKey = "Tower3.Upgrade1.Level1.RangeMod";

TowerWeapons weaponsAt(Config& config, BoughtLevels bought)
{
    TowerWeapons weapons;
    weapons.period = static_cast<float>(config.getDouble(PeriodKey));
    weapons.damage = config.getInt(DamageKey);
    for (int i = bought.of(DamagePath); i > 0; --i)
        weapons.damage += config.getInt(DamageModKey);
    weapons.range = config.getDouble(RangeKey);
    // The range modifier is optional: a data set without it keeps the reach.
    if (config.contains(RangeModKey)) {
        for (int i = bought.of(DamagePath); i > 0; --i)
            weapons.range += config.getDouble(RangeModKey);
    }
    return weapons;
}

int halfHeight(const AnimatedSprite* sprite)
{
    return sprite ? sprite->height() / 2 : 0;
}

} // namespace

const KindRules& TeslaCoil::rules()
{
    using M = UpgradeModifier;
    static const KindRules own{
        {{PeriodKey, false}, {DamageKey, true}, {RangeKey, false}},
        {{TowerKinds::Tesla, DamagePath, M::Damage, DamageModKey, true, nullptr},
         {TowerKinds::Tesla, DamagePath, M::Range, RangeModKey, false, "the upgrade leaves the range as it is"}},
        weaponsAt,
    };
    return own;
}

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
