#include "towers/TowerRules.h"

#include "app/Application.h"

namespace {

enum Kind { Laser = 0, Missile = 1, Tesla = 2 };

int levelOf(const int* levels, int count, int path)
{
    return path < count && levels[path] > 0 ? levels[path] : 0;
}

// The period after `times` levels of a rate path, each adding the modifier as a float again, the
// way the towers have always added it.
float shortened(float period, Config& config, const char* modifier, int times)
{
    for (int i = 0; i < times; ++i)
        period += static_cast<float>(config.getDouble(modifier));
    return period;
}

} // namespace

TowerWeapons TowerRules::weaponsOf(int kind, const int* levels, int count)
{
    Config& config = Application::instance().config;
    TowerWeapons weapons;
    switch (kind) {
    case Laser:
        weapons.period = shortened(static_cast<float>(config.getDouble("Tower1.FreqBase")), config,
                                   "Tower1.Upgrade1.Level1.FreqMod", levelOf(levels, count, 0));
        weapons.damage = config.getInt("Tower1.DamageBase");
        weapons.launcher = levelOf(levels, count, 1) >= 1;
        weapons.missilePeriod = static_cast<float>(config.getDouble("Tower1.Upgrade2.Level1.MissileFreq"));
        weapons.missileDamage = config.getInt("Tower1.Upgrade2.Level1.MissileDamage");
        break;
    case Missile:
        weapons.period = shortened(static_cast<float>(config.getDouble("Tower2.FreqBase")), config,
                                   "Tower2.Upgrade1.Level1.FreqMod", levelOf(levels, count, 0));
        weapons.damage = config.getInt("Tower2.DamageBase");
        weapons.splashDamage = config.getInt("Tower2.DamageSplashBase");
        weapons.splashRadius = config.getDouble("Tower2.SplashRadius");
        for (int i = levelOf(levels, count, 1); i > 0; --i)
            weapons.splashRadius += static_cast<float>(config.getDouble("Tower2.Upgrade2.Level2.SplashMod"));
        weapons.missilesPerLaunch = levelOf(levels, count, 2) >= 1 ? 2 : 1;
        break;
    case Tesla:
        weapons.period = static_cast<float>(config.getDouble("Tower3.FreqBase"));
        weapons.damage = config.getInt("Tower3.DamageBase");
        for (int i = levelOf(levels, count, 0); i > 0; --i)
            weapons.damage += config.getInt("Tower3.Upgrade1.Level1.DamageMod");
        weapons.range = config.getDouble("Tower3.RangeBase");
        // The range modifier is optional: a data set without it keeps the reach.
        if (config.contains("Tower3.Upgrade1.Level1.RangeMod")) {
            for (int i = levelOf(levels, count, 0); i > 0; --i)
                weapons.range += config.getDouble("Tower3.Upgrade1.Level1.RangeMod");
        }
        break;
    default: break;
    }
    return weapons;
}
