#include "towers/TowerRules.h"

#include "app/Application.h"
#include "towers/TowerKinds.h"

namespace {

constexpr int Laser = TowerKinds::Laser;
constexpr int Missile = TowerKinds::Missile;
constexpr int Tesla = TowerKinds::Tesla;
using M = UpgradeModifier;

int levelOf(const int* levels, int count, int path)
{
    return path < count && levels[path] > 0 ? levels[path] : 0;
}

// The period after `times` levels of a rate path, each adding the modifier as a float again, the
// way the towers have always added it.
float shortened(float period, Config& config, int kind, int times)
{
    for (int i = 0; i < times; ++i)
        period += static_cast<float>(config.getDouble(TowerRules::keyOf(kind, M::Rate)));
    return period;
}

} // namespace

const std::vector<UpgradeModifier>& TowerRules::modifiers()
{
    static const std::vector<UpgradeModifier> table = {
        {Laser, 0, M::Rate, "Tower1.Upgrade1.Level1.FreqMod", false, nullptr},
        {Laser, 1, M::MissilePeriod, "Tower1.Upgrade2.Level1.MissileFreq", false, nullptr},
        {Laser, 1, M::MissileDamage, "Tower1.Upgrade2.Level1.MissileDamage", true, nullptr},
        {Missile, 0, M::Rate, "Tower2.Upgrade1.Level1.FreqMod", false, nullptr},
        {Missile, 1, M::SplashRadius, "Tower2.Upgrade2.Level2.SplashMod", false, nullptr},
        {Tesla, 0, M::Damage, "Tower3.Upgrade1.Level1.DamageMod", true, nullptr},
        {Tesla, 0, M::Range, "Tower3.Upgrade1.Level1.RangeMod", false, "the upgrade leaves the range as it is"},
    };
    return table;
}

const char* TowerRules::keyOf(int kind, UpgradeModifier::Role role)
{
    for (const UpgradeModifier& modifier : modifiers())
        if (modifier.kind == kind && modifier.role == role)
            return modifier.key;
    return "";
}

TowerWeapons TowerRules::weaponsOf(int kind, const int* levels, int count)
{
    Config& config = Application::instance().config;
    TowerWeapons weapons;
    switch (kind) {
    case Laser:
        weapons.period = shortened(static_cast<float>(config.getDouble("Tower1.FreqBase")), config, Laser,
                                   levelOf(levels, count, 0));
        weapons.damage = config.getInt("Tower1.DamageBase");
        weapons.launcher = levelOf(levels, count, 1) >= 1;
        weapons.missilePeriod = static_cast<float>(config.getDouble(keyOf(Laser, M::MissilePeriod)));
        weapons.missileDamage = config.getInt(keyOf(Laser, M::MissileDamage));
        break;
    case Missile:
        weapons.period = shortened(static_cast<float>(config.getDouble("Tower2.FreqBase")), config, Missile,
                                   levelOf(levels, count, 0));
        weapons.damage = config.getInt("Tower2.DamageBase");
        weapons.splashDamage = config.getInt("Tower2.DamageSplashBase");
        weapons.splashRadius = config.getDouble("Tower2.SplashRadius");
        for (int i = levelOf(levels, count, 1); i > 0; --i)
            weapons.splashRadius += static_cast<float>(config.getDouble(keyOf(Missile, M::SplashRadius)));
        weapons.missilesPerLaunch = levelOf(levels, count, 2) >= 1 ? 2 : 1;
        break;
    case Tesla:
        weapons.period = static_cast<float>(config.getDouble("Tower3.FreqBase"));
        weapons.damage = config.getInt("Tower3.DamageBase");
        for (int i = levelOf(levels, count, 0); i > 0; --i)
            weapons.damage += config.getInt(keyOf(Tesla, M::Damage));
        weapons.range = config.getDouble("Tower3.RangeBase");
        // The range modifier is optional: a data set without it keeps the reach.
        if (config.contains(keyOf(Tesla, M::Range))) {
            for (int i = levelOf(levels, count, 0); i > 0; --i)
                weapons.range += config.getDouble(keyOf(Tesla, M::Range));
        }
        break;
    default: break;
    }
    return weapons;
}
